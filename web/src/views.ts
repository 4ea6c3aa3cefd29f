// Draws what the core computed: the item buttons, the queue lines and the
// table. Each view is rebuilt from the core's text in one assignment, so a
// change costs one layout however many lines it touches.

import { buildingButtons, researchButtons, iconUrl, type ItemButton } from './items';

function escapeHtml(text: string): string {
  return text.replace(/[&<>"]/g, (c) => ({ '&': '&amp;', '<': '&lt;', '>': '&gt;', '"': '&quot;' })[c] as string);
}

export interface ItemRow {
  bid: number;
  name: string;
  level: string;
  metal: string;
  crystal: string;
  deuterium: string;
  time: string;
  extra: string;
}

export function parseItemRows(text: string): Map<number, ItemRow> {
  const rows = new Map<number, ItemRow>();
  for (const line of text.split('\n')) {
    if (!line) continue;
    const [bid, name, level, metal, crystal, deuterium, time, extra] = line.split('\t');
    rows.set(Number(bid), { bid: Number(bid), name, level, metal, crystal, deuterium, time, extra });
  }
  return rows;
}

function itemButtonHtml(button: ItemButton, row: ItemRow | undefined): string {
  if (!row) return '';
  const costs = [
    row.metal !== '0' ? `<span class="m">${row.metal}</span>` : '',
    row.crystal !== '0' ? `<span class="k">${row.crystal}</span>` : '',
    row.deuterium !== '0' ? `<span class="d">${row.deuterium}</span>` : '',
  ].join('');
  const extra = row.extra ? `<span class="extra" title="${/k$/.test(row.extra) ? 'Capacity' : 'Energy'}">${row.extra}</span>` : '';
  const name = escapeHtml(row.name);
  return `<button type="button" class="item" data-bid="${button.bid}" aria-label="${name} level ${row.level}">` +
    `<img src="${iconUrl(button.bitmap)}" alt="" width="32" height="32">` +
    `<span class="item-name">${name} <b>${row.level}</b></span>` +
    `<span class="item-figures">${costs}<span class="t">${row.time}</span>${extra}</span></button>`;
}

// Rewrites only the buttons whose figures changed: a click changes one or
// three of them, and the pictures stay put.
export function renderItems(buildings: HTMLElement, research: HTMLElement, rows: Map<number, ItemRow>): void {
  for (const [panel, buttons] of [[buildings, buildingButtons], [research, researchButtons]] as const) {
    if (panel.children.length !== buttons.length) {
      panel.innerHTML = buttons.map((b) => itemButtonHtml(b, rows.get(b.bid))).join('');
      continue;
    }
    buttons.forEach((b, i) => {
      const html = itemButtonHtml(b, rows.get(b.bid));
      const button = panel.children[i] as HTMLElement;
      if (button.dataset.html === html) return;
      const fresh = document.createElement('template');
      fresh.innerHTML = html;
      const replacement = fresh.content.firstElementChild as HTMLElement;
      replacement.dataset.html = html;
      const focused = document.activeElement === button;
      button.replaceWith(replacement);
      if (focused) replacement.focus();
    });
  }
}

export function splitLines(text: string): string[] {
  const lines = text.split('\n');
  if (lines[lines.length - 1] === '') lines.pop();
  return lines;
}

// One queue line from the core's "name<TAB>level" text.
export function queueLineHtml(line: string, index: number, selected: number, count: number): string {
  const [name, level] = line.split('\t');
  return `<li role="option" id="q${index}" data-index="${index}" aria-selected="${index === selected}" ` +
    `aria-posinset="${index + 1}" aria-setsize="${count}">${index + 1}. ${escapeHtml(name)} (${level})</li>`;
}

// One table row from the core's table text: tab-separated cells, the last
// the reason the row is marked (empty when it is not).
export function tableRowHtml(line: string, index: number, selected: number): string {
  const cells = line.split('\t');
  const mark = cells.pop() ?? '';
  const attrs = (mark ? ` class="marked" title="${escapeHtml(mark)}"` : '') +
    (index === selected ? ' aria-selected="true"' : '');
  // The reason is a cell too: a phone has no pointer to hover with.
  cells.push(mark);
  return `<tr data-index="${index}"${attrs}><td>${cells.map(escapeHtml).join('</td><td>')}</td></tr>`;
}

export function renderMessages(list: HTMLElement, messages: string[]): void {
  list.innerHTML = messages.map((m) => `<li>${escapeHtml(m)}</li>`).join('');
  list.hidden = messages.length === 0;
}
