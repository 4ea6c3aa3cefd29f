// Draws what the core computed: the item buttons, the queue lines and the
// table rows, each from the core's typed rows.

import type { ItemRow, QueueLine, TableRow } from './core';
import { escapeHtml } from './dom';
import { buildingButtons, researchButtons, iconUrl, type ItemButton } from './items';

function itemButtonHtml(button: ItemButton, row: ItemRow | undefined): string {
  if (!row) return '';
  const costs = [
    row.metal !== '0' ? `<span class="m">${row.metal}</span>` : '',
    row.crystal !== '0' ? `<span class="k">${row.crystal}</span>` : '',
    row.deuterium !== '0' ? `<span class="d">${row.deuterium}</span>` : '',
  ].join('');
  const extra = row.extra ? `<span class="extra" title="${row.capacity ? 'Capacity' : 'Energy'}">${row.extra}</span>` : '';
  const name = escapeHtml(row.name);
  return `<button type="button" class="item" data-bid="${button.bid}" aria-label="${name} level ${row.level}">` +
    `<img src="${iconUrl(button.bitmap)}" alt="" width="32" height="32">` +
    `<span class="item-name">${name} <b>${row.level}</b></span>` +
    `<span class="item-figures">${costs}<span class="t">${row.time}</span>${extra}</span></button>`;
}

// Rewrites only the buttons whose figures changed: a click changes one or
// three of them, and the pictures stay put.
export function renderItems(buildings: HTMLElement, research: HTMLElement, rows: ItemRow[]): void {
  const byBid = new Map(rows.map((row) => [row.bid, row]));
  for (const [panel, buttons] of [[buildings, buildingButtons], [research, researchButtons]] as const) {
    if (panel.children.length !== buttons.length) {
      panel.innerHTML = buttons.map((b) => itemButtonHtml(b, byBid.get(b.bid))).join('');
      continue;
    }
    buttons.forEach((b, i) => {
      const html = itemButtonHtml(b, byBid.get(b.bid));
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

export function queueLineHtml(line: QueueLine, index: number, selected: number, count: number): string {
  return `<li role="option" id="q${index}" data-index="${index}" aria-selected="${index === selected}" ` +
    `aria-posinset="${index + 1}" aria-setsize="${count}">${index + 1}. ${escapeHtml(line.name)} (${line.level})</li>`;
}

// The cells in the table's column order; the last is the reason the row is
// marked (empty when it is not).
function cellsOf(r: TableRow): string[] {
  return [String(r.line), r.name, String(r.level), r.start, r.end, r.waitMetal, r.waitCrystal, r.waitDeuterium,
    r.build, r.step, r.cause, r.metal, r.crystal, r.deuterium, r.metalPerHour, r.crystalPerHour, r.deuteriumPerHour,
    r.energy, r.factor, r.mark];
}

export function tableRowHtml(row: TableRow, index: number, selected: number): string {
  const attrs = (row.mark ? ` class="marked" title="${escapeHtml(row.mark)}"` : '') +
    (index === selected ? ' aria-selected="true"' : '');
  // The reason is a cell too: a phone has no pointer to hover with.
  return `<tr data-index="${index}"${attrs}><td>${cellsOf(row).map(escapeHtml).join('</td><td>')}</td></tr>`;
}

export function renderMessages(list: HTMLElement, messages: string[]): void {
  list.innerHTML = messages.map((m) => `<li>${escapeHtml(m)}</li>`).join('');
  list.hidden = messages.length === 0;
}
