// The order search off the page's thread. A call into the core cannot be
// interrupted, so a long search runs in slices: each slice goes on from the
// best order so far with the next seed, and Cancel is read between slices.

import { loadCore, type Core, type SearchOutcome } from './core';

export interface StartMessage {
  type: 'start';
  snapshot: string;
  temperature: string;
  satellites: string;
  timeLimitMs: number;
  maxEvaluations: number;
  sliceMs: number;
}

export type WorkerReply =
  | { type: 'progress'; bestTotal: number; permille: number }
  | { type: 'done'; outcome: SearchOutcome; cancelled: boolean; evaluations: number; searchMs: number };

const exactLimit = 10;
let cancelled = false;
let corePromise: Promise<Core> | null = null;

function post(reply: WorkerReply): void {
  (self as unknown as Worker).postMessage(reply);
}

function nextTurn(): Promise<void> {
  return new Promise((resolve) => setTimeout(resolve, 0));
}

async function run(start: StartMessage): Promise<void> {
  const core = await (corePromise ??= loadCore());
  cancelled = false;
  const begin = performance.now();
  const entries = start.snapshot.split('\n').filter((l) => l).length;
  // The complete search of a short queue proves its answer only in one piece.
  const sliced = entries > exactLimit;
  let current = start.snapshot;
  let best: SearchOutcome | null = null;
  let beforeTotal = -1;
  let evaluations = 0;
  let searchMs = 0;
  let lastPost = 0;
  for (let seed = 1; ; ++seed) {
    const elapsed = performance.now() - begin;
    const remainingMs = start.timeLimitMs > 0 ? start.timeLimitMs - elapsed : Infinity;
    const remainingEvaluations = start.maxEvaluations > 0 ? start.maxEvaluations - evaluations : Infinity;
    if (remainingMs <= 0 || remainingEvaluations <= 0) break;
    const sliceStart = performance.now();
    const outcome = core.search(
      {
        snapshot: current,
        temperature: start.temperature,
        satellites: start.satellites,
        seed,
        timeLimitMs: sliced ? Math.min(start.sliceMs, remainingMs) : Math.min(remainingMs, 1e9),
        maxEvaluations: Number.isFinite(remainingEvaluations) ? remainingEvaluations : 0,
        exactLimit,
      },
      (bestTotal, permille) => {
        const now = performance.now();
        if (now - lastPost > 50) {
          lastPost = now;
          const share = sliced && start.timeLimitMs > 0 ? Math.round(((now - begin) / start.timeLimitMs) * 1000) : permille;
          post({ type: 'progress', bestTotal: best && best.afterTotal < bestTotal ? best.afterTotal : bestTotal, permille: Math.min(1000, share) });
        }
        return true;
      },
    );
    searchMs += performance.now() - sliceStart;
    evaluations += outcome.evaluations;
    if (beforeTotal < 0) beforeTotal = outcome.beforeTotal;
    if (!outcome.found) {
      best ??= outcome;
      break;
    }
    if (!best || !best.found || outcome.afterTotal < best.afterTotal) {
      best = outcome;
      current = outcome.order;
    }
    if (outcome.provenOptimal || !sliced) break;
    post({ type: 'progress', bestTotal: best.afterTotal, permille: Math.min(1000, Math.round(((performance.now() - begin) / start.timeLimitMs) * 1000)) });
    await nextTurn();
    if (cancelled) break;
  }
  const outcome = best as SearchOutcome;
  outcome.beforeTotal = beforeTotal;
  post({ type: 'done', outcome, cancelled, evaluations, searchMs });
}

self.onmessage = (event: MessageEvent) => {
  const message = event.data as StartMessage | { type: 'cancel' };
  if (message.type === 'cancel') cancelled = true;
  else void run(message);
};
