// The searches off the page's thread. A call into the core cannot be
// interrupted, so a long search runs in slices: each slice goes on from the
// best plan so far with the next seed, and Cancel is read between slices.

import { loadCore, type Core, type GoalOutcome, type GrowOutcome, type SearchOutcome } from './core';

export interface StartMessage {
  type: 'start';
  kind: 'order' | 'goal' | 'grow';
  order: string;
  planet: string; // the plan's queue file text: the planet the search plays on
  goal: string; // "bid:level,…" for the goal planner
  days?: number; // the growth plan's horizon
  ratio?: string; // the growth plan's trade ratio
  timeLimitMs: number;
  maxEvaluations: number;
  sliceMs: number;
}

export type Outcome = SearchOutcome | GoalOutcome | GrowOutcome;

// Whether `outcome` is a better growth plan than `best`: more production
// value, or the same sooner. Each slice grows the same plan with its own seed.
function grownBetter(outcome: GrowOutcome, best: GrowOutcome): boolean {
  if (!best.found) return outcome.found;
  if (!outcome.found) return false;
  const value = BigInt(outcome.value);
  const bestValue = BigInt(best.value);
  return value !== bestValue ? value > bestValue : outcome.total < best.total;
}

export type WorkerReply =
  | { type: 'progress'; bestTotal: bigint; permille: number }
  | { type: 'done'; outcome: Outcome; cancelled: boolean; evaluations: number; searchMs: number };

const exactLimit = 10;
let cancelled = false;
let corePromise: Promise<Core> | null = null;

function post(reply: WorkerReply): void {
  (self as unknown as Worker).postMessage(reply);
}

function nextTurn(): Promise<void> {
  return new Promise((resolve) => setTimeout(resolve, 0));
}

// The best total an outcome holds, or nothing without a plan.
function totalOf(outcome: Outcome): bigint | null {
  if (!outcome.found) return null;
  return 'afterTotal' in outcome ? outcome.afterTotal : outcome.total;
}

function slice(core: Core, start: StartMessage, order: string, seed: number, timeLimitMs: number,
  maxEvaluations: number, progress: (best: bigint, permille: number) => boolean): Outcome {
  const common = { order, planet: start.planet, seed, timeLimitMs, maxEvaluations, exactLimit };
  if (start.kind === 'goal') return core.planGoal({ ...common, goal: start.goal }, progress);
  if (start.kind === 'grow') {
    return core.grow({ order, planet: start.planet, days: start.days ?? 7, ratio: start.ratio ?? '3:2:1', seed,
      timeLimitMs, maxEvaluations }, progress);
  }
  return core.search(common, progress);
}

// How many entries the search orders: a goal's are the levels still to
// build from the planet's start, as the desktop counts them.
function sizeOf(core: Core, start: StartMessage): number {
  if (start.kind === 'goal') return core.goalEntryCount(start.planet, start.goal);
  if (start.kind === 'grow') return Infinity;
  return start.order.split('\n').filter((l) => l).length;
}

async function run(start: StartMessage): Promise<void> {
  const core = await (corePromise ??= loadCore());
  cancelled = false;
  const begin = performance.now();
  const share = () => Math.min(1000, Math.round(((performance.now() - begin) / start.timeLimitMs) * 1000));
  // A complete search of a small problem proves its answer only in one piece.
  const sliced = sizeOf(core, start) > exactLimit;
  let current = start.order;
  let best: Outcome | null = null;
  let first: Outcome | null = null;
  let evaluations = 0;
  let searchMs = 0;
  let lastPost = 0;
  for (let seed = 1; ; ++seed) {
    const remainingMs = start.timeLimitMs - (performance.now() - begin);
    const remainingEvaluations = start.maxEvaluations > 0 ? start.maxEvaluations - evaluations : Infinity;
    if (remainingMs <= 0 || remainingEvaluations <= 0) break;
    const sliceStart = performance.now();
    const bestTotal = best ? totalOf(best) : null;
    const outcome = slice(core, start, current, seed, sliced ? Math.min(start.sliceMs, remainingMs) : remainingMs,
      Number.isFinite(remainingEvaluations) ? remainingEvaluations : 0, (total, permille) => {
        const now = performance.now();
        if (now - lastPost > 50) {
          lastPost = now;
          const shown = bestTotal !== null && (total < 0n || bestTotal < total) ? bestTotal : total;
          post({ type: 'progress', bestTotal: shown, permille: sliced ? share() : permille });
        }
        return true;
      });
    searchMs += performance.now() - sliceStart;
    evaluations += outcome.evaluations;
    first ??= outcome;
    if (start.kind === 'grow') {
      // Every slice grows the plan as it stands; the best slice wins.
      if (!best || grownBetter(outcome as GrowOutcome, best as GrowOutcome)) best = outcome;
      if (!(outcome as GrowOutcome).found && (outcome as GrowOutcome).reason) break;
      post({ type: 'progress', bestTotal: -1n, permille: share() });
      await nextTurn();
      if (cancelled) break;
      continue;
    }
    const total = totalOf(outcome);
    if (total === null) {
      best ??= outcome;
      break;
    }
    if (!best || bestTotal === null || total < bestTotal) {
      best = outcome;
      current = outcome.order;
    }
    if (outcome.provenOptimal || !sliced) break;
    post({ type: 'progress', bestTotal: totalOf(best) ?? -1n, permille: share() });
    await nextTurn();
    if (cancelled) break;
  }
  const outcome = best as Outcome;
  // The figures of the plan as it stood come from the first slice.
  if ('beforeTotal' in outcome && first && 'beforeTotal' in first) {
    outcome.beforeTotal = first.beforeTotal;
    outcome.inputAdmissible = first.inputAdmissible;
    outcome.inputKeepsLimits = first.inputKeepsLimits;
  }
  if ('currentTotal' in outcome && first && 'currentTotal' in first) {
    outcome.currentTotal = first.currentTotal;
    outcome.currentAdmissible = first.currentAdmissible;
    outcome.currentReachesGoal = first.currentReachesGoal;
  }
  post({ type: 'done', outcome, cancelled, evaluations, searchMs });
}

self.onmessage = (event: MessageEvent) => {
  const message = event.data as StartMessage | { type: 'cancel' };
  if (message.type === 'cancel') cancelled = true;
  else void run(message);
};
