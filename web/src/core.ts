// The WebAssembly core as the page sees it. Every figure, text and file byte
// comes from here as a typed value; the page only shows them. 64-bit figures
// are BigInt or the core's own text.

export interface LoadResult {
  accepted: boolean;
  messages: string[];
  hasSatellites: boolean;
}

// The Planet form's fields, each as the core holds it.
export interface PlanetForm {
  temperature: string;
  satellites: string;
  speed: string;
  rules: string; // 'classic' or 'game'
  metal: string;
  crystal: string;
  deuterium: string;
}

export type PlanetFieldName = keyof PlanetForm;

// What a core edit did: the undo step's name when it changed the plan, the
// message when it was refused; both empty when it changed nothing.
export interface EditResult {
  description: string;
  refusal: string;
}

// A Planet form field's bounds, as the core's text.
export interface FieldRange {
  minimum: string;
  maximum: string;
}

export interface ItemRow {
  bid: number;
  name: string;
  level: number;
  metal: string;
  crystal: string;
  deuterium: string;
  time: string;
  extra: string;
  capacity: boolean;
}

export interface QueueLine {
  name: string;
  level: number;
}

export interface TableRow {
  line: number;
  name: string;
  level: number;
  start: string;
  end: string;
  waitMetal: string;
  waitCrystal: string;
  waitDeuterium: string;
  build: string;
  step: string;
  cause: string;
  metal: string;
  crystal: string;
  deuterium: string;
  metalPerHour: string;
  crystalPerHour: string;
  deuteriumPerHour: string;
  energy: string;
  factor: string;
  mark: string;
}

// One row of the Next view's payback ranking, its cells as the window shows them.
export interface PaybackRow {
  name: string;
  level: number;
  with: string;
  metal: string;
  crystal: string;
  deuterium: string;
  gainMetal: string;
  gainCrystal: string;
  gainDeuterium: string;
  payback: string;
}

export interface CorePlan {
  count(): number;
  queuedLevel(bid: number): number;
  startLevel(bid: number): number;
  form(): PlanetForm;
  // The core's edits, each one undo step when it changes the plan. A field
  // of the Planet form, or an item's BID for its start level, as typed.
  setField(field: string, text: string): EditResult;
  // The bounds setField checks the field against.
  range(field: string): FieldRange;
  builtUpTo(index: number): EditResult;
  append(bid: number): EditResult;
  remove(index: number): EditResult;
  canMoveUp(index: number): boolean;
  canMoveDown(index: number): boolean;
  moveUp(index: number): EditResult;
  moveDown(index: number): EditResult;
  order(): string;
  // A search's answer: the goal planner's when `goal`, else the order search's.
  applyOrder(order: string, goal: boolean): EditResult;
  applyGrowth(order: string): EditResult;
  // A load's undo step.
  checkpoint(): void;
  commit(label: string): void;
  undo(): string;
  redo(): string;
  canUndo(): boolean;
  canRedo(): boolean;
  clearHistory(): void;
  fileText(): string;
  fileBytes(): Uint8Array;
  // `satellites` stands in for a file without them; '' for none.
  load(bytes: Uint8Array, satellites: string): LoadResult;
  walk(): void;
  total(): bigint;
  totalText(): string;
  walkMessages(): string[];
  csvBytes(): Uint8Array;
  chartSeries(points: number): Float64Array[];
  summaryText(): string;
  tableRows(first: number, count: number, english: boolean): TableRow[];
  queueLines(first: number, count: number, english: boolean): QueueLine[];
  // The ranking after the first `position` entries at the ratio "A:B:C".
  payback(position: number, ratio: string, english: boolean): PaybackRow[];
  addPayback(position: number, ratio: string, index: number): EditResult;
  itemRows(english: boolean): ItemRow[];
  delete(): void;
}

// The planet a search plays on travels as the plan's queue file text.
interface SearchBase {
  order: string;
  planet: string;
  seed: number;
  timeLimitMs: number;
  maxEvaluations: number;
  exactLimit: number;
}

export type SearchRequest = SearchBase;

export interface GoalRequest extends SearchBase {
  goal: string; // "bid:level,…"
}

export interface SearchOutcome {
  found: boolean;
  provenOptimal: boolean;
  inputAdmissible: boolean;
  inputKeepsLimits: boolean;
  beforeTotal: bigint;
  afterTotal: bigint;
  evaluations: number;
  order: string;
  reason: string;
}

export interface GoalOutcome {
  found: boolean;
  provenOptimal: boolean;
  total: bigint;
  added: number;
  entries: number;
  currentTotal: bigint;
  currentAdmissible: boolean;
  currentReachesGoal: boolean;
  currentKeepsLimits: boolean; // every entry has its requirements and its store
  evaluations: number;
  order: string;
  reason: string;
  addedList: string; // the added upgrades with their reasons, one a line
}

export interface GrowRequest {
  order: string;
  planet: string;
  days: number;
  ratio: string;
  seed: number;
  timeLimitMs: number;
  maxEvaluations: number;
}

// The growth plan of one slice: its plan's end and exact production value.
export interface GrowOutcome {
  found: boolean;
  total: bigint;
  value: string;
  evaluations: number;
  order: string;
  question: string;
  reason: string;
  provenOptimal?: boolean; // never: a growth plan is not proven
}

export type Progress = (bestTotal: bigint, permille: number) => boolean;

export interface Core {
  Plan: new () => CorePlan;
  search(request: SearchRequest, progress: Progress): SearchOutcome;
  planGoal(request: GoalRequest, progress: Progress): GoalOutcome;
  grow(request: GrowRequest, progress: Progress): GrowOutcome;
  goalEntryCount(planet: string, goal: string): number;
  // The message that refuses a typed trade ratio, or empty.
  ratioError(ratio: string): string;
  formatDuration(seconds: bigint): string;
  // The window's questions after Optimize and Goal…
  applyOrderQuestion(before: bigint, after: bigint, currentAdmissible: boolean, currentKeepsLimits: boolean): string;
  replaceByGoalQuestion(outcome: GoalOutcome): string;
  // What to tell instead of asking when the answer is not worth offering;
  // empty when the question follows.
  orderNothingBetter(outcome: SearchOutcome): string;
  // The progress line while a search has no answer yet.
  searchingText(kind: 'order' | 'goal' | 'grow'): string;
  goalNothingBetter(outcome: GoalOutcome): string;
  version(): string;
}

type Factory = (options?: object) => Promise<Core>;

// The build's stamp, set by the bundler: the page, its worker and the core
// carry it in their file names, so a page only ever runs with its own build.
declare const KORVELIN_BUILD: string;
export const build = KORVELIN_BUILD;

export async function loadCore(): Promise<Core> {
  // Built by emscripten beside the bundles; kept out of the bundle so that
  // the wasm file is found next to it.
  const url = new URL(`./korvelin-${build}.js`, import.meta.url).href;
  const factory = (await import(/* @vite-ignore */ url)).default as Factory;
  return factory({
    locateFile: (path: string) => new URL(path.replace(/\.wasm$/, `-${build}.wasm`), import.meta.url).href,
  });
}
