// The plan the page edits: the core's plan, the planet texts and the undo
// history. Every change goes through `change`, which records one undo step
// and tells the views once.

import type { Core, CorePlan } from './core';

// The planet as the page's form holds it. The start (levels, stock, speed)
// is read and checked by the core; `levels` is "bid:level,…", `stock`
// "metal:crystal:deuterium".
export interface PlanetTexts {
  temperature: string;
  satellites: string;
  levels: string;
  stock: string;
  speed: string;
}

const fromNothing = { levels: '', stock: '500:500:0', speed: '1' };

interface Step {
  label: string;
  snapshot: string;
  planet: PlanetTexts;
}

export class PlanDocument {
  readonly plan: CorePlan;
  planet: PlanetTexts = { temperature: '', satellites: '0', ...fromNothing };
  private undoSteps: Step[] = [];
  private redoSteps: Step[] = [];
  private listeners: Array<() => void> = [];

  constructor(core: Core) {
    this.plan = new core.Plan();
    this.applyPlanet();
  }

  onChange(listener: () => void): void {
    this.listeners.push(listener);
  }

  notify(): void {
    for (const listener of this.listeners) listener();
  }

  // Runs `edit` as one undo step; an edit that returns false changed nothing
  // and leaves no step.
  change(label: string, edit: () => boolean): boolean {
    const before = this.capture(label);
    if (!edit()) return false;
    // An edit may move the start itself ("Built up to here").
    this.readStart();
    this.undoSteps.push(before);
    if (this.undoSteps.length > 500) this.undoSteps.shift();
    this.redoSteps = [];
    this.notify();
    return true;
  }

  setPlanet(planet: PlanetTexts): void {
    if (JSON.stringify(planet) === JSON.stringify(this.planet)) return;
    this.change('Planet', () => {
      this.planet = { ...planet };
      this.applyPlanet();
      return true;
    });
  }

  clearHistory(): void {
    this.undoSteps = [];
    this.redoSteps = [];
  }

  canUndo(): boolean {
    return this.undoSteps.length > 0;
  }

  canRedo(): boolean {
    return this.redoSteps.length > 0;
  }

  undo(): void {
    const step = this.undoSteps.pop();
    if (!step) return;
    this.redoSteps.push(this.capture(step.label));
    this.restore(step);
  }

  redo(): void {
    const step = this.redoSteps.pop();
    if (!step) return;
    this.undoSteps.push(this.capture(step.label));
    this.restore(step);
  }

  // Replaces the plan with a queue file's bytes; a rejected file changes
  // nothing. Returns the core's messages.
  loadBytes(bytes: Uint8Array, label: string, satellites?: string): { accepted: boolean; messages: string[] } {
    let messages: string[] = [];
    const accepted = this.change(label, () => {
      const result = this.plan.load(bytes);
      messages = result.messages;
      if (!result.accepted) return false;
      if (result.temperature !== undefined) this.planet.temperature = result.temperature;
      if (satellites !== undefined) this.planet.satellites = satellites;
      if (result.satellites !== undefined) this.planet.satellites = result.satellites;
      this.readStart();
      this.applyPlanet();
      return true;
    });
    return { accepted, messages };
  }

  private capture(label: string): Step {
    return { label, snapshot: this.plan.snapshot(), planet: { ...this.planet } };
  }

  private restore(step: Step): void {
    this.plan.restore(step.snapshot);
    this.planet = { ...step.planet };
    this.applyPlanet();
    this.notify();
  }

  // The start as the core holds it, in the form's words.
  private readStart(): void {
    if (this.plan.startTexts) Object.assign(this.planet, this.plan.startTexts());
  }

  private applyPlanet(): void {
    this.plan.setPlanetTexts(this.planet.temperature, this.planet.satellites);
    if (this.plan.setStartTexts) {
      this.plan.setStartTexts(this.planet.levels, this.planet.stock, this.planet.speed);
      this.readStart();
    }
  }
}
