// "Optimize": runs the order search in the worker behind the progress box,
// then offers the new order as one undoable step, with the window's texts.

import { build, type Core, type SearchOutcome } from './core';
import type { PlanDocument } from './document';
import { SearchBox } from './dialogs';
import { searchTimeMs } from './persist';
import type { Outcome, StartMessage, WorkerReply } from './searchWorker';

export interface SearchFigures {
  evaluations: number;
  searchMs: number;
  cancelled: boolean;
  answerMs: number; // from Cancel to the worker's answer; 0 without Cancel
}

export class OptimizeRunner {
  private worker: Worker | null = null;
  private readonly timeLimitMs = searchTimeMs();
  // Each slice sets the search up again; a quarter second wastes little
  // of it and still lets Cancel answer at once.
  sliceMs = 250;

  constructor(private readonly core: Core, private readonly doc: PlanDocument) {}

  private ensureWorker(): Worker {
    // The worker of this page's own build, never a newer one the server has.
    this.worker ??= new Worker(new URL(`./searchWorker-${build}.js`, import.meta.url), { type: 'module' });
    return this.worker;
  }

  // Runs the search and resolves with its outcome; Cancel keeps the best
  // order found so far. A complete search that cannot stop in time is ended
  // with its worker, and then nothing was found.
  search(box: SearchBox, title: string, kind: 'order' | 'goal' | 'grow', goal = '',
    grow?: { days: number; ratio: string }): Promise<{ outcome: Outcome | null; figures: SearchFigures }> {
    const worker = this.ensureWorker();
    const plan = this.doc.plan;
    let cancelAt = 0;
    const begin = performance.now();
    return new Promise((resolve) => {
      let settled = false;
      const finish = (outcome: Outcome | null, figures: SearchFigures) => {
        if (settled) return;
        settled = true;
        // The search's figures for the browser's performance tools.
        performance.measure('korvelin-search', { start: begin, detail: { ...figures, proven: outcome?.provenOptimal ?? false } });
        worker.onmessage = null;
        worker.onerror = null;
        resolve({ outcome, figures });
      };
      // A page older than the site finds no worker of its build.
      worker.onerror = () => {
        this.worker = null;
        finish(null, { evaluations: 0, searchMs: 0, cancelled: false, answerMs: 0 });
      };
      worker.onmessage = (event: MessageEvent<WorkerReply>) => {
        const reply = event.data;
        if (reply.type === 'progress') {
          const text = kind === 'grow' || reply.bestTotal < 0n ? this.core.searchingText(kind)
            : `Best total so far: ${this.core.formatDuration(reply.bestTotal)}`;
          box.update(text, reply.permille);
          return;
        }
        finish(reply.outcome, {
          evaluations: reply.evaluations,
          searchMs: reply.searchMs,
          cancelled: reply.cancelled,
          answerMs: cancelAt ? performance.now() - cancelAt : 0,
        });
      };
      box.open(title, () => {
        cancelAt = performance.now();
        worker.postMessage({ type: 'cancel' });
        setTimeout(() => {
          if (settled) return;
          worker.terminate();
          this.worker = null;
          finish(null, { evaluations: 0, searchMs: 0, cancelled: true, answerMs: performance.now() - cancelAt });
        }, 250);
      });
      const start: StartMessage = {
        type: 'start',
        order: plan.order(),
        kind,
        planet: plan.fileText(),
        goal,
        timeLimitMs: this.timeLimitMs,
        maxEvaluations: 0,
        sliceMs: this.sliceMs,
        ...grow,
      };
      worker.postMessage(start);
    });
  }

  async run(): Promise<void> {
    const box = new SearchBox();
    const { outcome: reply, figures } = await this.search(box, 'Optimize', 'order');
    const outcome = reply as SearchOutcome | null;
    if (!outcome) {
      await box.tell(figures.cancelled ? 'The search was cancelled before it found an order; the plan is as it was.'
        : 'The search could not start: this page is older than the site. Reload it to search.');
      return;
    }
    if (!outcome.found) {
      await box.tell(`No admissible order: ${outcome.reason}`);
      return;
    }
    const nothingBetter = this.core.orderNothingBetter(outcome);
    if (nothingBetter) {
      await box.tell(nothingBetter);
      return;
    }
    const question = this.core.applyOrderQuestion(
      outcome.beforeTotal,
      outcome.afterTotal,
      outcome.inputAdmissible,
      outcome.inputKeepsLimits,
    );
    if (await box.ask(question)) this.doc.edit(() => this.doc.plan.applyOrder(outcome.order, false));
  }
}
