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

export function renderItems(buildings: HTMLElement, research: HTMLElement, rows: Map<number, ItemRow>): void {
  buildings.innerHTML = buildingButtons.map((b) => itemButtonHtml(b, rows.get(b.bid))).join('');
  research.innerHTML = researchButtons.map((b) => itemButtonHtml(b, rows.get(b.bid))).join('');
}

export function renderQueue(list: HTMLElement, linesText: string, selected: number): void {
  let html = '';
  let index = 0;
  for (const line of linesText.split('\n')) {
    if (!line) continue;
    const [name, level] = line.split('\t');
    const current = index === selected;
    html += `<li role="option" id="q${index}" data-index="${index}" aria-selected="${current}">` +
      `${index + 1}. ${escapeHtml(name)} (${level})</li>`;
    ++index;
  }
  list.innerHTML = html;
  if (selected >= 0 && selected < index) list.setAttribute('aria-activedescendant', `q${selected}`);
  else list.removeAttribute('aria-activedescendant');
}

// The core's table text: one line per row, tab-separated, the last cell the
// reason a row is marked (empty when it is not).
export function renderTable(body: HTMLElement, tableText: string, selected: number): void {
  const parts: string[] = [];
  let index = 0;
  for (const line of tableText.split('\n')) {
    if (!line) continue;
    const cells = line.split('\t');
    const mark = cells.pop() ?? '';
    const attrs = (mark ? ` class="marked" title="${escapeHtml(mark)}"` : '') +
      (index === selected ? ' aria-selected="true"' : '');
    parts.push(`<tr data-index="${index}"${attrs}><td>${cells.map(escapeHtml).join('</td><td>')}</td></tr>`);
    ++index;
  }
  body.innerHTML = parts.join('');
}

export function renderMessages(list: HTMLElement, messages: string[]): void {
  list.innerHTML = messages.map((m) => `<li>${escapeHtml(m)}</li>`).join('');
  list.hidden = messages.length === 0;
}
