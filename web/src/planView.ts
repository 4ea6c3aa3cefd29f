// Every view of the plan, redrawn from one walk after each change: the item
// buttons, the queue, the table, the chart, the summary and the messages,
// with the selected line they share.

import type { PlanDocument } from './document';
import { byId } from './dom';
import { PlanChart, chartData } from './chart';
import { queueLineHtml, renderItems, renderMessages, tableRowHtml } from './views';
import { VirtualRows } from './virtualRows';

export class PlanView {
  selected = -1;
  english: boolean;
  private readonly queue = byId('queue');
  private readonly chart = new PlanChart(byId('chart'));
  private chartFrame = 0;
  private readonly queueRows: VirtualRows;
  private readonly tableRows: VirtualRows;
  private readonly afterRefresh: Array<() => void> = [];
  private readonly afterSelection: Array<() => void> = [];

  constructor(private readonly doc: PlanDocument, english: boolean) {
    this.english = english;
    const plan = doc.plan;
    this.queueRows = new VirtualRows(this.queue, this.queue, 24,
      (height) => `<li class="spacer" aria-hidden="true" style="height:${height}px"></li>`,
      (first, last) => plan.queueLines(first, last - first, this.english)
        .map((line, i) => queueLineHtml(line, first + i, this.selected, plan.count())).join(''));
    this.tableRows = new VirtualRows(byId('table-wrap'), byId('rows'), 22,
      (height) => `<tr class="spacer" aria-hidden="true"><td colspan="20" style="height:${height}px"></td></tr>`,
      (first, last) => plan.tableRows(first, last - first, this.english)
        .map((row, i) => tableRowHtml(row, first + i, this.selected)).join(''), 24);
    doc.onChange(() => this.refresh());
  }

  // Called after every refresh, once the views show the plan.
  onRefresh(listener: () => void): void {
    this.afterRefresh.push(listener);
  }

  // After every change of the plan: one walk, then every view from it.
  refresh(): void {
    const plan = this.doc.plan;
    const count = plan.count();
    if (this.selected >= count) this.selected = count - 1;
    plan.walk();
    renderItems(byId('buildings'), byId('research'), plan.itemRows(this.english));
    this.queueRows.setCount(count);
    this.tableRows.setCount(count);
    this.showSelection();
    renderMessages(byId('messages'), plan.walkMessages());
    // The chart follows in the next frame, after the table is on screen.
    if (!this.chartFrame) this.chartFrame = requestAnimationFrame(() => {
      this.chartFrame = 0;
      this.chart.show(chartData(this.doc.plan));
    });
    byId('queue-count').textContent = count ? `(${count})` : '';
    byId('summary').textContent = count ? plan.summaryText() : 'The queue is empty: click an item to add its next level.';
    byId<HTMLButtonElement>('undo').disabled = !this.doc.canUndo();
    byId<HTMLButtonElement>('redo').disabled = !this.doc.canRedo();
    byId<HTMLButtonElement>('optimize').disabled = count < 2;
    for (const listener of this.afterRefresh) listener();
  }

  // Called whenever the selection or the plan changes.
  onSelection(listener: () => void): void {
    this.afterSelection.push(listener);
  }

  select(index: number): void {
    this.selected = Math.max(-1, Math.min(index, this.doc.plan.count() - 1));
    this.showSelection();
  }

  // The selection only: no walk, the lines as they are.
  private showSelection(): void {
    const plan = this.doc.plan;
    const selected = this.selected;
    this.queueRows.reveal(selected);
    this.tableRows.reveal(selected);
    this.queueRows.draw();
    this.tableRows.draw();
    if (selected >= 0) this.queue.setAttribute('aria-activedescendant', `q${selected}`);
    else this.queue.removeAttribute('aria-activedescendant');
    byId<HTMLButtonElement>('delete').disabled = selected < 0;
    byId<HTMLButtonElement>('built').disabled = selected < 0;
    byId<HTMLButtonElement>('up').disabled = !plan.canMoveUp(selected);
    byId<HTMLButtonElement>('down').disabled = !plan.canMoveDown(selected);
    for (const listener of this.afterSelection) listener();
  }

  say(text: string): void {
    byId('status').textContent = text;
  }
}
