// The page: wires the controls to the plan document and redraws every view
// from the core after each change.

import 'uplot/dist/uPlot.min.css';
import './style.css';
import { loadCore, type Core } from './core';
import { PlanDocument } from './document';
import { parseItemRows, queueLineHtml, renderItems, renderMessages, splitLines, tableRowHtml } from './views';
import { VirtualRows } from './virtualRows';
import { buildingButtons, researchButtons } from './items';
import { PlanChart, chartData } from './chart';
import { englishNamesSetting, linkedPlan, shareLink, storeEnglishNames, storePlan, storedPlan } from './persist';
import { showMessage, showMessages } from './dialogs';
import { OptimizeRunner } from './optimize';
import { askForGoal, planGoal } from './goal';

function byId<T extends HTMLElement = HTMLElement>(id: string): T {
  return document.getElementById(id) as T;
}

const el = {
  temperature: byId<HTMLInputElement>('temperature'),
  satellites: byId<HTMLInputElement>('satellites'),
  buildings: byId('buildings'),
  research: byId('research'),
  queue: byId('queue'),
  queueCount: byId('queue-count'),
  rows: byId('rows'),
  summary: byId('summary'),
  messages: byId('messages'),
  status: byId('status'),
  russian: byId<HTMLInputElement>('russian'),
  openFile: byId<HTMLInputElement>('open-file'),
};

const buttons = {
  open: byId<HTMLButtonElement>('open'),
  save: byId<HTMLButtonElement>('save'),
  saveCsv: byId<HTMLButtonElement>('save-csv'),
  share: byId<HTMLButtonElement>('share'),
  undo: byId<HTMLButtonElement>('undo'),
  redo: byId<HTMLButtonElement>('redo'),
  optimize: byId<HTMLButtonElement>('optimize'),
  remove: byId<HTMLButtonElement>('delete'),
  up: byId<HTMLButtonElement>('up'),
  down: byId<HTMLButtonElement>('down'),
};

let fileName = 'plan.bql';
let selected = -1;

function download(bytes: Uint8Array, name: string, type: string): void {
  const url = URL.createObjectURL(new Blob([bytes as BlobPart], { type }));
  const link = document.createElement('a');
  link.href = url;
  link.download = name;
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(url), 10000);
}

function say(text: string): void {
  el.status.textContent = text;
}

async function start(): Promise<void> {
  const core: Core = await loadCore();
  const doc = new PlanDocument(core);
  const chart = new PlanChart(byId('chart'));
  let english = englishNamesSetting();
  el.russian.checked = !english;

  const stored = () => ({ file: doc.plan.fileBytes(), satellites: doc.planet.satellites });

  const queueRows = new VirtualRows(el.queue, el.queue, 24,
    (height) => `<li class="spacer" aria-hidden="true" style="height:${height}px"></li>`,
    (line, index) => queueLineHtml(line, index, selected, doc.plan.count()));
  const tableRows = new VirtualRows(byId('table-wrap'), el.rows, 22,
    (height) => `<tr class="spacer" aria-hidden="true"><td colspan="20" style="height:${height}px"></td></tr>`,
    (line, index) => tableRowHtml(line, index, selected), 24);

  // The selection only: no walk, the lines as they are.
  function showSelection(): void {
    const plan = doc.plan;
    queueRows.reveal(selected);
    tableRows.reveal(selected);
    queueRows.setLines(queueLines);
    tableRows.setLines(tableLines);
    if (selected >= 0) el.queue.setAttribute('aria-activedescendant', `q${selected}`);
    else el.queue.removeAttribute('aria-activedescendant');
    buttons.remove.disabled = selected < 0;
    byId<HTMLButtonElement>('built').disabled = selected < 0;
    buttons.up.disabled = !plan.canMoveUp(selected);
    buttons.down.disabled = !plan.canMoveDown(selected);
  }

  let showPlanet = () => {};
  let queueLines: string[] = [];
  let tableLines: string[] = [];
  // After every change of the plan: one walk, then every view from it.
  function refresh(): void {
    const plan = doc.plan;
    const count = plan.count();
    if (selected >= count) selected = count - 1;
    plan.walk();
    renderItems(el.buildings, el.research, parseItemRows(plan.itemRowsText(english)));
    queueLines = splitLines(plan.queueLinesText(english));
    tableLines = splitLines(plan.tableText(english));
    showSelection();
    renderMessages(el.messages, plan.walkMessages());
    // The chart follows in the next frame, after the table is on screen.
    if (!chartFrame) chartFrame = requestAnimationFrame(() => {
      chartFrame = 0;
      chart.show(chartData(doc.plan.reportCsv()));
    });
    el.queueCount.textContent = count ? `(${count})` : '';
    el.summary.textContent = count ? plan.summaryText() : 'The queue is empty: click an item to add its next level.';
    showPlanet();
    buttons.undo.disabled = !doc.canUndo();
    buttons.redo.disabled = !doc.canRedo();
    buttons.optimize.disabled = count < 2;
    // Kept once the edits pause, and always as the page goes away.
    clearTimeout(storeTimer);
    storeTimer = setTimeout(() => storePlan(stored()), 300);
  }
  let chartFrame = 0;
  let storeTimer: ReturnType<typeof setTimeout> | undefined;
  addEventListener('pagehide', () => storePlan(stored()));
  document.addEventListener('visibilitychange', () => {
    if (document.visibilityState === 'hidden') storePlan(stored());
  });
  doc.onChange(refresh);

  function select(index: number): void {
    selected = Math.max(-1, Math.min(index, doc.plan.count() - 1));
    showSelection();
  }

  // Items: a click queues the item's next level.
  for (const panel of [el.buildings, el.research]) {
    panel.addEventListener('click', (event) => {
      const button = (event.target as HTMLElement).closest<HTMLButtonElement>('button.item');
      if (!button) return;
      const bid = Number(button.dataset.bid);
      let level = -1;
      if (doc.change('Add', () => (level = doc.plan.append(bid)) >= 0)) {
        const name = button.querySelector('.item-name')?.firstChild?.textContent?.trim() ?? '';
        say(`Added ${name} ${level} as line ${doc.plan.count()}; total ${core.formatDuration(doc.plan.total())}.`);
      }
    });
  }

  // Queue commands.
  const removeLine = () => {
    if (selected >= 0) doc.change('Delete', () => doc.plan.remove(selected) > 0);
  };
  const moveUp = () => {
    if (doc.change('Move up', () => doc.plan.moveUp(selected))) select(selected - 1);
  };
  const moveDown = () => {
    if (doc.change('Move down', () => doc.plan.moveDown(selected))) select(selected + 1);
  };
  const built = byId<HTMLButtonElement>('built');
  built.hidden = !doc.plan.builtUpTo;
  built.onclick = () => {
    const line = selected;
    if (line >= 0 && doc.change('Built up to here', () => doc.plan.builtUpTo?.(line) ?? false)) select(-1);
  };
  buttons.remove.onclick = removeLine;
  buttons.up.onclick = moveUp;
  buttons.down.onclick = moveDown;
  el.queue.addEventListener('click', (event) => {
    const line = (event.target as HTMLElement).closest<HTMLElement>('li[data-index]');
    if (line) select(Number(line.dataset.index));
  });
  el.rows.addEventListener('click', (event) => {
    const row = (event.target as HTMLElement).closest<HTMLElement>('tr[data-index]');
    if (row) select(Number(row.dataset.index));
  });
  el.queue.addEventListener('keydown', (event) => {
    const count = doc.plan.count();
    if (event.key === 'Delete') removeLine();
    else if (event.altKey && event.key === 'ArrowUp') moveUp();
    else if (event.altKey && event.key === 'ArrowDown') moveDown();
    else if (event.key === 'ArrowUp') select(selected <= 0 ? 0 : selected - 1);
    else if (event.key === 'ArrowDown') select(selected + 1);
    else if (event.key === 'Home') select(0);
    else if (event.key === 'End') select(count - 1);
    else return;
    event.preventDefault();
  });
  // Tabbing in selects the first line; a click selects its own line, and
  // must not have the list redrawn under the pointer first.
  el.queue.addEventListener('focus', () => {
    if (selected < 0 && doc.plan.count() > 0 && el.queue.matches(':focus-visible')) select(0);
  });

  // Planet: each committed edit is one undo step.
  const start = byId('start');
  const startLevels = byId('start-levels');
  const stockInputs = ['stock-metal', 'stock-crystal', 'stock-deuterium'].map((id) => byId<HTMLInputElement>(id));
  const speedInput = byId<HTMLInputElement>('speed');
  start.hidden = !doc.plan.setStartTexts;
  if (!start.hidden) {
    const rows = parseItemRows(doc.plan.itemRowsText(english));
    startLevels.innerHTML = [...buildingButtons, ...researchButtons].map(({ bid }) =>
      `<label>${rows.get(bid)?.name ?? bid} <input type="number" min="0" max="999" step="1" data-bid="${bid}"></label>`).join('');
  }
  const levelInputs = Array.from(startLevels.querySelectorAll<HTMLInputElement>('input'));
  // The form shows the planet as the core holds it, the field just typed in
  // too: a load replaces it, and the core may have brought a value into range.
  showPlanet = () => {
    const show = (input: HTMLInputElement, value: string) => {
      if (input.value !== value) input.value = value;
    };
    show(el.temperature, doc.planet.temperature);
    show(el.satellites, doc.planet.satellites);
    if (start.hidden) return;
    const levels = new Map(doc.planet.levels.split(',').filter((f) => f).map((f) => f.split(':') as [string, string]));
    for (const input of levelInputs) show(input, levels.get(input.dataset.bid ?? '') ?? '0');
    doc.planet.stock.split(':').forEach((value, i) => show(stockInputs[i], value));
    show(speedInput, doc.planet.speed);
  };
  const planetChanged = () => doc.setPlanet({
    temperature: el.temperature.value,
    satellites: el.satellites.value,
    levels: levelInputs.filter((input) => Number(input.value) > 0).map((input) => `${input.dataset.bid}:${input.value}`).join(','),
    stock: stockInputs.map((input) => input.value || '0').join(':'),
    speed: speedInput.value || '1',
  });
  byId('planet').addEventListener('change', planetChanged);
  byId<HTMLFormElement>('planet').addEventListener('submit', (event) => {
    event.preventDefault();
    planetChanged();
  });

  // Files.
  buttons.open.onclick = () => el.openFile.click();
  el.openFile.addEventListener('change', () => {
    const file = el.openFile.files?.[0];
    el.openFile.value = '';
    if (file) void openFile(file);
  });
  // A file dropped on the page opens as Open would open it.
  document.addEventListener('dragover', (event) => {
    if (event.dataTransfer?.types.includes('Files')) event.preventDefault();
  });
  document.addEventListener('drop', (event) => {
    const file = event.dataTransfer?.files[0];
    if (!file) return;
    event.preventDefault();
    void openFile(file);
  });
  async function openFile(file: File): Promise<void> {
    const bytes = new Uint8Array(await file.arrayBuffer());
    const { accepted, messages } = doc.loadBytes(bytes, 'Open');
    if (accepted) {
      fileName = file.name;
      selected = -1;
      refresh();
      say(`Opened ${file.name}.`);
    }
    await showMessages(messages, accepted ? 'Korvelin' : `Cannot open ${file.name}`);
  }
  buttons.save.onclick = () => download(doc.plan.fileBytes(), fileName, 'application/x-korvelin-queue');
  buttons.saveCsv.onclick = () => download(doc.plan.csvBytes(), fileName.replace(/\.bql$/i, '') + '.csv', 'text/csv');
  buttons.share.onclick = async () => {
    const link = shareLink(stored());
    let copied = false;
    try {
      await navigator.clipboard.writeText(link);
      copied = true;
    } catch {
      // No clipboard here (a plain-http host): the box shows the link to copy.
    }
    await showMessage(copied ? `Link copied:\n${link}` : link, 'Share link');
  };

  // Undo and redo.
  buttons.undo.onclick = () => doc.undo();
  buttons.redo.onclick = () => doc.redo();
  document.addEventListener('keydown', (event) => {
    if (!(event.ctrlKey || event.metaKey) || document.querySelector('dialog[open]')) return;
    const key = event.key.toLowerCase();
    const inEdit = event.target instanceof HTMLInputElement;
    if (key === 'z' && !event.shiftKey && !inEdit) doc.undo();
    else if ((key === 'y' || (key === 'z' && event.shiftKey)) && !inEdit) doc.redo();
    else if (key === 's') buttons.save.click();
    else if (key === 'o') buttons.open.click();
    else return;
    event.preventDefault();
  });

  el.russian.addEventListener('change', () => {
    english = !el.russian.checked;
    storeEnglishNames(english);
    refresh();
  });

  const optimizer = new OptimizeRunner(core, doc);
  buttons.optimize.onclick = () => void optimizer.run();
  // The goal planner, where the core has it.
  const goalButton = byId<HTMLButtonElement>('goal');
  goalButton.hidden = typeof core.planGoal !== 'function';
  goalButton.onclick = async () => {
    const names = new Map(Array.from(parseItemRows(doc.plan.itemRowsText(english)).values(), (r) => [r.bid, r.name]));
    const goal = await askForGoal(doc, names);
    if (goal) await planGoal(core, doc, optimizer, goal);
  };

  // The plan a share link carries wins over the stored one; the fragment is
  // then dropped so that a reload shows the plan as edited since.
  const linked = linkedPlan();
  const first = linked ?? storedPlan();
  if (first) {
    const { accepted, messages } = doc.loadBytes(first.file, 'Open', first.satellites);
    doc.clearHistory();
    if (linked) history.replaceState(null, '', location.pathname + location.search);
    if (!accepted || messages.length) void showMessages(messages, linked ? 'Share link' : 'Stored plan');
  }
  refresh();
  document.body.dataset.ready = 'true';
  performance.mark('korvelin-ready');
  (window as unknown as { korvelin: object }).korvelin = { doc, core, optimizer, refresh };
}

start().catch((error: unknown) => {
  say(`Korvelin could not start: ${String(error)}`);
});

if ('serviceWorker' in navigator && location.protocol !== 'file:') {
  navigator.serviceWorker.register('./sw.js').catch(() => {
    // Offline use is a bonus; the page works without it.
  });
}
