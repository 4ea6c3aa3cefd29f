// "Grow…": the days the whole plan may take, then the growth plan in the
// worker; Yes puts the grown plan in place as one undo step.

import type { GrowOutcome } from './core';
import type { PlanDocument } from './document';
import { SearchBox } from './dialogs';
import type { OptimizeRunner } from './optimize';
import { byId } from './dom';

// Resolves with the days for Grow, or nothing for Cancel.
export function askForDays(): Promise<number | null> {
  const box = byId<HTMLDialogElement>('grow-box');
  const input = byId<HTMLInputElement>('grow-days');
  return new Promise((resolve) => {
    box.onclose = () => {
      if (box.returnValue !== 'grow' || !input.checkValidity()) {
        resolve(null);
        return;
      }
      resolve(Math.trunc(Number(input.value)));
    };
    box.returnValue = '';
    box.showModal();
    input.focus();
  });
}

export async function growPlan(doc: PlanDocument, runner: OptimizeRunner, days: number, ratio: string): Promise<void> {
  const box = new SearchBox();
  const { outcome: reply, figures } = await runner.search(box, 'Grow', 'grow', '', { days, ratio });
  const outcome = reply as GrowOutcome | null;
  if (!outcome) {
    await box.tell(figures.cancelled ? 'The search was cancelled before it grew the plan; the plan is as it was.'
      : 'The search could not start: this page is older than the site. Reload it to search.');
    return;
  }
  if (!outcome.found) {
    await box.tell(outcome.reason);
    return;
  }
  if (await box.ask(outcome.question)) doc.edit(() => doc.plan.applyGrowth(outcome.order));
}
