// The WebAssembly core as the page sees it. Every figure, text and file byte
// comes from here; the page only shows them.

export interface LoadResult {
  accepted: boolean;
  messages: string[];
  temperature?: string;
  satellites?: string;
}

export interface StartTexts {
  levels: string;
  stock: string;
  speed: string;
}

export interface CorePlan {
  count(): number;
  bidAt(index: number): number;
  levelAt(index: number): number;
  queuedLevel(bid: number): number;
  setPlanetTexts(temperature: string, satellites: string): void;
  temperatureText(): string;
  // The planet's start, where the core plans from one.
  setStartTexts?(levels: string, stock: string, speed: string): void;
  startTexts?(): StartTexts;
  builtUpTo?(index: number): boolean;
  append(bid: number): number;
  remove(index: number): number;
  canMoveUp(index: number): boolean;
  canMoveDown(index: number): boolean;
  moveUp(index: number): boolean;
  moveDown(index: number): boolean;
  snapshot(): string;
  restore(snapshot: string): boolean;
  fileText(): string;
  fileBytes(): Uint8Array;
  load(bytes: Uint8Array): LoadResult;
  compactText(): string;
  walk(): void;
  total(): number;
  walkMessages(): string[];
  reportCsv(): string;
  csvBytes(): Uint8Array;
  tableText(english: boolean): string;
  summaryText(): string;
  itemRowsText(english: boolean): string;
  queueLinesText(english: boolean): string;
  delete(): void;
}

// The planet a search plays on travels as the plan's queue file text (its
// key lines), with the satellite count as typed.
export interface SearchBase {
  planet: string;
  satellites: string;
  seed: number;
  timeLimitMs: number;
  maxEvaluations: number;
  exactLimit: number;
}

export interface SearchRequest extends SearchBase {
  snapshot: string;
}

export interface GoalRequest extends SearchBase {
  goal: string; // "bid:level,…"
  current: string; // a snapshot of the queue as it stands
}

export interface SearchOutcome {
  found: boolean;
  provenOptimal: boolean;
  inputAdmissible: boolean;
  beforeTotal: number;
  afterTotal: number;
  evaluations: number;
  order: string;
  reason: string;
}

export interface GoalOutcome {
  found: boolean;
  provenOptimal: boolean;
  total: number;
  added: number;
  entries: number;
  currentTotal: number;
  currentAdmissible: boolean;
  currentReachesGoal: boolean;
  evaluations: number;
  order: string;
  reason: string;
}

export interface Core {
  Plan: new () => CorePlan;
  search(request: SearchRequest, progress: (bestTotal: number, permille: number) => boolean): SearchOutcome;
  planGoal(request: GoalRequest, progress: (bestTotal: number, permille: number) => boolean): GoalOutcome;
  formatDuration(seconds: number): string;
  version(): string;
  shorterPercentText(before: number, after: number): string;
}

type Factory = (options?: object) => Promise<Core>;

export async function loadCore(): Promise<Core> {
  // Built by emscripten beside the bundles; kept out of the bundle so that
  // the wasm file is found next to it.
  const url = new URL('./korvelin.js', import.meta.url).href;
  const factory = (await import(/* @vite-ignore */ url)).default as Factory;
  return factory();
}
