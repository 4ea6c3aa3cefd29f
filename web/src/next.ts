// "Next", under the plan table: the payback ranking after the selected line
// (the whole plan when none is), at the trade ratio kept in this browser;
// Add puts the chosen row's upgrades after that line as one undo step.

import type { Core, PaybackRow } from './core';
import type { PlanDocument } from './document';
import type { PlanView } from './planView';
import { showMessage } from './dialogs';
import { byId } from './dom';

const ratioKey = 'korvelin.ratio';
const defaultRatio = '3:2:1';

function escapeHtml(text: string): string {
  return text.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;');
}

function rowHtml(row: PaybackRow, index: number, chosen: number): string {
  const cells = [row.name, String(row.level), row.with, row.metal, row.crystal, row.deuterium,
    row.gainMetal, row.gainCrystal, row.gainDeuterium, row.payback];
  return `<tr data-index="${index}"${index === chosen ? ' aria-selected="true"' : ''}>` +
    cells.map((cell, c) => `<td${c === 0 || c === 2 ? '' : ' class="num"'}>${escapeHtml(cell)}</td>`).join('') +
    '</tr>';
}

export class NextPanel {
  private chosen = -1;
  private frame = 0;
  private position = 0;
  private readonly ratioInput = byId<HTMLInputElement>('next-ratio');
  private readonly add = byId<HTMLButtonElement>('next-add');

  constructor(private readonly core: Core, private readonly doc: PlanDocument, private readonly view: PlanView) {
    this.ratioInput.value = this.ratio();
    this.ratioInput.addEventListener('change', () => this.takeRatio());
    byId('next-rows').addEventListener('click', (event) => {
      const row = (event.target as HTMLElement).closest<HTMLElement>('tr[data-index]');
      if (!row) return;
      this.chosen = Number(row.dataset.index);
      this.show();
    });
    this.add.onclick = () => {
      if (this.chosen < 0) return;
      const { refusal } = this.doc.edit(() => this.doc.plan.addPayback(this.position, this.ratio(), this.chosen));
      if (refusal) void showMessage(refusal, 'Add');
    };
    // Like the chart, the ranking follows in the next frame, after the queue
    // and the table are on screen: a long plan's edit answers first.
    view.onSelection(() => {
      if (!this.frame) this.frame = requestAnimationFrame(() => {
        this.frame = 0;
        this.show();
      });
    });
  }

  // The ratio kept in this browser, or the default.
  ratio(): string {
    const kept = localStorage.getItem(ratioKey) ?? defaultRatio;
    return this.core.ratioError(kept) ? defaultRatio : kept;
  }

  private takeRatio(): void {
    const text = this.ratioInput.value.trim();
    const error = this.core.ratioError(text);
    if (error) {
      this.ratioInput.value = this.ratio();
      void showMessage(error, 'Ratio');
      return;
    }
    localStorage.setItem(ratioKey, text);
    this.show();
  }

  show(): void {
    const count = this.doc.plan.count();
    const position = this.view.selected >= 0 ? this.view.selected + 1 : count;
    if (position !== this.position) this.chosen = -1;
    this.position = position;
    byId('next-at').textContent = position === count ? 'after the whole plan' : `after line ${position}`;
    const rows = this.doc.plan.payback(position, this.ratio(), this.view.english);
    if (this.chosen >= rows.length) this.chosen = -1;
    byId('next-rows').innerHTML = rows.map((row, i) => rowHtml(row, i, this.chosen)).join('');
    this.add.disabled = this.chosen < 0;
  }
}
