// "Goal…": the target levels of the 26 items with a row, prefilled with the
// levels the queue reaches, then the planner in the worker; the outcome is
// told with the window's texts and Yes replaces the queue as one undo step.

import type { Core, GoalOutcome } from './core';
import type { PlanDocument } from './document';
import { SearchBox } from './dialogs';
import { buildingButtons, researchButtons } from './items';
import type { OptimizeRunner } from './optimize';
import { byId } from './dom';

// Resolves with "bid:level,…" for Plan, or nothing for Cancel.
export function askForGoal(doc: PlanDocument, names: Map<number, string>): Promise<string | null> {
  const box = byId<HTMLDialogElement>('goal-box');
  const fill = (host: HTMLElement, buttons: { bid: number }[]) => {
    host.innerHTML = buttons.map(({ bid }) =>
      `<label>${names.get(bid) ?? bid} <input type="number" min="0" max="${doc.plan.range(String(bid)).maximum}" step="1" required ` +
      `name="${bid}" value="${doc.plan.queuedLevel(bid)}"></label>`).join('');
  };
  fill(byId('goal-buildings'), buildingButtons);
  fill(byId('goal-research'), researchButtons);
  return new Promise((resolve) => {
    box.onclose = () => {
      if (box.returnValue !== 'plan') {
        resolve(null);
        return;
      }
      const inputs = box.querySelectorAll<HTMLInputElement>('.goal-fields input');
      resolve(Array.from(inputs, (input) => `${input.name}:${Math.max(0, Math.trunc(Number(input.value) || 0))}`).join(','));
    };
    box.returnValue = '';
    box.showModal();
    box.querySelector<HTMLInputElement>('input')?.focus();
  });
}

export async function planGoal(core: Core, doc: PlanDocument, runner: OptimizeRunner, goal: string): Promise<void> {
  const box = new SearchBox();
  const { outcome: reply, figures } = await runner.search(box, 'Goal', 'goal', goal);
  const outcome = reply as GoalOutcome | null;
  if (!outcome) {
    await box.tell(figures.cancelled ? 'The search was cancelled before it found a plan; the plan is as it was.'
      : 'The search could not start: this page is older than the site. Reload it to search.');
    return;
  }
  if (!outcome.found) {
    await box.tell(`No admissible plan: ${outcome.reason}`);
    return;
  }
  const nothingBetter = core.goalNothingBetter(outcome);
  if (nothingBetter) {
    await box.tell(nothingBetter);
    return;
  }
  if (await box.ask(core.replaceByGoalQuestion(outcome))) doc.edit(() => doc.plan.applyOrder(outcome.order, true));
}
