// The Planet form: each committed field is one undo step, read and checked
// by the core; a value out of range is refused with the core's message and
// the field shows the plan's value again.

import type { ItemRow, PlanetForm } from './core';
import type { PlanDocument } from './document';
import { byId, escapeHtml } from './dom';
import { showMessage } from './dialogs';
import { buildingButtons, researchButtons } from './items';

const fieldIds: Record<keyof PlanetForm, string> = {
  temperature: 'temperature', satellites: 'satellites', speed: 'speed', rules: 'rules',
  metal: 'stock-metal', crystal: 'stock-crystal', deuterium: 'stock-deuterium',
};

export class PlanetFormView {
  // The rules are a choice; every other field is a number input.
  private readonly inputs: Array<{ field: string; input: HTMLInputElement | HTMLSelectElement }>;

  constructor(private readonly doc: PlanDocument, names: ItemRow[]) {
    const name = new Map(names.map((row) => [row.bid, row.name]));
    byId('start-levels').innerHTML = [...buildingButtons, ...researchButtons].map(({ bid }) =>
      `<label>${escapeHtml(name.get(bid) ?? String(bid))} ` +
      `<input type="number" min="0" step="1" data-field="${bid}"></label>`).join('');
    this.inputs = [
      ...Object.entries(fieldIds).map(([field, id]) => ({ field, input: byId<HTMLInputElement | HTMLSelectElement>(id) })),
      ...Array.from(byId('start-levels').querySelectorAll<HTMLInputElement>('input'),
        (input) => ({ field: input.dataset.field ?? '', input })),
    ];
    // The number inputs' bounds are the core's ranges, so their arrows stop
    // where the core would refuse.
    for (const { field, input } of this.inputs) {
      if (!(input instanceof HTMLInputElement) || input.type !== 'number') continue;
      const { minimum, maximum } = doc.plan.range(field);
      input.min = minimum;
      input.max = maximum;
    }
    const form = byId<HTMLFormElement>('planet');
    form.addEventListener('change', (event) => {
      const input = event.target as HTMLInputElement | HTMLSelectElement;
      const entry = this.inputs.find((i) => i.input === input);
      if (entry) void this.commit(entry);
    });
    form.addEventListener('submit', (event) => {
      event.preventDefault();
      this.commitPending();
    });
  }

  // The planet as the core holds it.
  show(): void {
    for (const { field, input } of this.inputs) {
      const value = this.doc.fieldValue(field);
      if (input.value !== value) input.value = value;
    }
  }

  // Every field typed in but not yet committed (no Enter, no leaving the
  // field): the page keeps them as it goes away. Refusals are not shown
  // then; the field keeps the plan's value.
  commitPending(): void {
    for (const entry of this.inputs) {
      if (entry.input.value !== this.doc.fieldValue(entry.field)) void this.commit(entry, false);
    }
  }

  private async commit(entry: { field: string; input: HTMLInputElement | HTMLSelectElement },
    tell = true): Promise<void> {
    const { field, input } = entry;
    if (input.value === this.doc.fieldValue(field)) return;
    const refusal = this.doc.setField(field, input.value.trim());
    if (!refusal) return;
    input.value = this.doc.fieldValue(field);
    if (tell) await showMessage(refusal, 'Planet');
  }
}
