// The page: loads the core, then wires each group of controls to the plan it
// holds; every view follows the plan's change signal.

import 'uplot/dist/uPlot.min.css';
import './style.css';
import { loadCore, type Core } from './core';
import { PlanDocument } from './document';
import { askForDays, growPlan } from './grow';
import { NextPanel } from './next';
import { PlanView } from './planView';
import { PlanetFormView } from './planetForm';
import { wireFileCommands } from './fileCommands';
import { keepPlan } from './keeping';
import { byId } from './dom';
import { showMessage } from './dialogs';
import { englishNamesSetting, storeEnglishNames } from './persist';
import { OptimizeRunner } from './optimize';
import { askForGoal, planGoal } from './goal';

// Items: a click queues the item's next level.
function wireItems(doc: PlanDocument, view: PlanView): void {
  for (const panel of [byId('buildings'), byId('research')]) {
    panel.addEventListener('click', (event) => {
      const button = (event.target as HTMLElement).closest<HTMLButtonElement>('button.item');
      if (!button) return;
      const bid = Number(button.dataset.bid);
      if (doc.edit(() => doc.plan.append(bid)).description) {
        const name = button.querySelector('.item-name')?.firstChild?.textContent?.trim() ?? '';
        // The new line is the item's last, so its level is the queued one.
        const level = doc.plan.queuedLevel(bid);
        view.say(`Added ${name} ${level} as line ${doc.plan.count()}; total ${doc.plan.totalText()}.`);
      }
    });
  }
}

// The queue's buttons and keys.
function wireQueue(doc: PlanDocument, view: PlanView): void {
  const queue = byId('queue');
  const removeLine = () => {
    if (view.selected >= 0) doc.edit(() => doc.plan.remove(view.selected));
  };
  const moveUp = () => {
    if (doc.edit(() => doc.plan.moveUp(view.selected)).description) view.select(view.selected - 1);
  };
  const moveDown = () => {
    if (doc.edit(() => doc.plan.moveDown(view.selected)).description) view.select(view.selected + 1);
  };
  byId('built').onclick = () => {
    const line = view.selected;
    if (line < 0) return;
    const { description, refusal } = doc.edit(() => doc.plan.builtUpTo(line));
    if (description) view.select(-1);
    else if (refusal) void showMessage(refusal, 'Built up to here');
  };
  byId('delete').onclick = removeLine;
  byId('up').onclick = moveUp;
  byId('down').onclick = moveDown;
  queue.addEventListener('click', (event) => {
    const line = (event.target as HTMLElement).closest<HTMLElement>('li[data-index]');
    if (line) view.select(Number(line.dataset.index));
  });
  byId('rows').addEventListener('click', (event) => {
    const row = (event.target as HTMLElement).closest<HTMLElement>('tr[data-index]');
    if (row) view.select(Number(row.dataset.index));
  });
  queue.addEventListener('keydown', (event) => {
    const count = doc.plan.count();
    const selected = view.selected;
    if (event.key === 'Delete') removeLine();
    else if (event.altKey && event.key === 'ArrowUp') moveUp();
    else if (event.altKey && event.key === 'ArrowDown') moveDown();
    else if (event.key === 'ArrowUp') view.select(selected <= 0 ? 0 : selected - 1);
    else if (event.key === 'ArrowDown') view.select(selected + 1);
    else if (event.key === 'Home') view.select(0);
    else if (event.key === 'End') view.select(count - 1);
    else return;
    event.preventDefault();
  });
  // Tabbing in selects the first line; a click selects its own line, and
  // must not have the list redrawn under the pointer first.
  queue.addEventListener('focus', () => {
    if (view.selected < 0 && doc.plan.count() > 0 && queue.matches(':focus-visible')) view.select(0);
  });
}

function wireHistoryAndKeys(doc: PlanDocument): void {
  byId('undo').onclick = () => doc.undo();
  byId('redo').onclick = () => doc.redo();
  document.addEventListener('keydown', (event) => {
    if (!(event.ctrlKey || event.metaKey) || document.querySelector('dialog[open]')) return;
    const key = event.key.toLowerCase();
    const inEdit = event.target instanceof HTMLInputElement;
    if (key === 'z' && !event.shiftKey && !inEdit) doc.undo();
    else if ((key === 'y' || (key === 'z' && event.shiftKey)) && !inEdit) doc.redo();
    else if (key === 's') byId('save').click();
    else if (key === 'o') byId('open').click();
    else return;
    event.preventDefault();
  });
}

function wireSearches(core: Core, doc: PlanDocument, view: PlanView, next: NextPanel): void {
  const optimizer = new OptimizeRunner(core, doc);
  byId('optimize').onclick = () => void optimizer.run();
  byId('goal').onclick = async () => {
    const names = new Map(doc.plan.itemRows(view.english).map((r) => [r.bid, r.name]));
    const goal = await askForGoal(doc, names);
    if (goal) await planGoal(core, doc, optimizer, goal);
  };
  byId('grow').onclick = async () => {
    const days = await askForDays();
    if (days) await growPlan(doc, optimizer, days, next.ratio());
  };
}

async function start(): Promise<void> {
  const core = await loadCore();
  const doc = new PlanDocument(core);
  const russian = byId<HTMLInputElement>('russian');
  const view = new PlanView(doc, englishNamesSetting());
  russian.checked = !view.english;
  russian.addEventListener('change', () => {
    view.english = !russian.checked;
    storeEnglishNames(view.english);
    view.refresh();
  });
  const planet = new PlanetFormView(doc, doc.plan.itemRows(true));
  view.onRefresh(() => planet.show());
  const next = new NextPanel(core, doc, view);

  wireItems(doc, view);
  wireQueue(doc, view);
  wireHistoryAndKeys(doc);
  wireFileCommands(doc, view);
  wireSearches(core, doc, view, next);
  keepPlan(doc, view, () => planet.commitPending());

  view.refresh();
  document.body.dataset.ready = 'true';
  performance.mark('korvelin-ready');
}

start().catch((error: unknown) => {
  byId('status').textContent = `Korvelin could not start: ${String(error)}`;
});

if ('serviceWorker' in navigator && location.protocol !== 'file:') {
  navigator.serviceWorker.register('./sw.js').catch(() => {
    // Offline use is a bonus; the page works without it.
  });
}
