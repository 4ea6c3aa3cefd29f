// The plan the page edits: the core's plan value with its undo history.
// Every change goes through `edit` (the core's edits, which name their own
// undo step) or `change` (a load), and tells the views once.

import type { Core, CorePlan, EditResult, LoadResult, PlanetForm } from './core';

export class PlanDocument {
  readonly plan: CorePlan;
  private listeners: Array<() => void> = [];

  constructor(core: Core) {
    this.plan = new core.Plan();
  }

  onChange(listener: () => void): void {
    this.listeners.push(listener);
  }

  notify(): void {
    for (const listener of this.listeners) listener();
  }

  // Runs one of the core's edits; the core keeps its undo step.
  edit(run: () => EditResult): EditResult {
    const result = run();
    if (result.description) this.notify();
    return result;
  }

  // Runs `load` as one undo step named `label`; a load that returns false
  // changed nothing and leaves no step.
  change(label: string, load: () => boolean): boolean {
    this.plan.checkpoint();
    if (!load()) return false;
    this.plan.commit(label);
    this.notify();
    return true;
  }

  // One field of the Planet form; the refusal when the core does not take
  // it, and then nothing changed. "007" for 7 changes nothing and leaves no
  // undo step.
  setField(field: string, text: string): string {
    return this.edit(() => this.plan.setField(field, text)).refusal;
  }

  // A Planet form field as the core holds it; an item's BID names its start level.
  fieldValue(field: string): string {
    const form = this.plan.form();
    return field in form ? form[field as keyof PlanetForm] : String(this.plan.startLevel(Number(field)));
  }

  canUndo(): boolean {
    return this.plan.canUndo();
  }

  canRedo(): boolean {
    return this.plan.canRedo();
  }

  undo(): void {
    if (this.plan.undo()) this.notify();
  }

  redo(): void {
    if (this.plan.redo()) this.notify();
  }

  // Replaces the plan with a queue file's bytes as one undo step; a rejected
  // file changes nothing. `satellites` stands in for a file without them
  // (plans kept by earlier builds carried the count beside the file).
  loadBytes(bytes: Uint8Array, label: string, satellites?: string): LoadResult {
    let result: LoadResult = { accepted: false, messages: [], hasSatellites: false };
    this.change(label, () => {
      result = this.plan.load(bytes, satellites ?? '');
      return result.accepted;
    });
    return result;
  }
}
