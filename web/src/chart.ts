// The stock and the production per hour over the plan's time: the walk's
// own figures, sampled by the core and only scaled to days for drawing.

import uPlot from 'uplot';
import type { CorePlan } from './core';

// More points than a chart is pixels wide only cost time.
const chartPoints = 2000;

// Large figures as 12k, 3.4M, 5.6G, so the axes stay narrow.
function compact(value: number): string {
  const size = Math.abs(value);
  for (const [limit, suffix] of [[1e12, 'T'], [1e9, 'G'], [1e6, 'M'], [1e3, 'k']] as const) {
    if (size >= limit) return `${+(value / limit).toPrecision(3)}${suffix}`;
  }
  return `${+value.toPrecision(3)}`;
}

export function chartData(plan: CorePlan): uPlot.AlignedData {
  return plan.chartSeries(chartPoints) as unknown as uPlot.AlignedData;
}

export class PlanChart {
  private plot: uPlot | null = null;

  constructor(private readonly host: HTMLElement) {
    new ResizeObserver(() => this.resize()).observe(host);
  }

  show(data: uPlot.AlignedData): void {
    if (!this.plot) {
      this.plot = new uPlot(this.options(), data, this.host);
      return;
    }
    this.plot.setData(data);
  }

  private size(): { width: number; height: number } {
    const width = Math.max(200, this.host.clientWidth);
    return { width, height: Math.round(Math.min(260, Math.max(160, width * 0.4))) };
  }

  private resize(): void {
    if (this.plot) this.plot.setSize(this.size());
  }

  private options(): uPlot.Options {
    const stock = (label: string, stroke: string): uPlot.Series => ({ label, stroke, width: 2, scale: 'stock' });
    const rate = (label: string, stroke: string): uPlot.Series => ({ label, stroke, width: 1, dash: [6, 4], scale: 'rate' });
    return {
      ...this.size(),
      scales: { x: { time: false } },
      legend: { live: false },
      axes: [
        { label: 'days', scale: 'x', values: (_u, ticks) => ticks.map(compact) },
        { label: 'stock', scale: 'stock', size: 56, values: (_u, ticks) => ticks.map(compact) },
        { label: 'per hour', scale: 'rate', side: 1, size: 56, grid: { show: false }, values: (_u, ticks) => ticks.map(compact) },
      ],
      series: [
        { label: 'days' },
        stock('Metal', '#8a6d3b'),
        stock('Crystal', '#2a7fbf'),
        stock('Deuterium', '#2e9e5b'),
        rate('Metal/h', '#8a6d3b'),
        rate('Crystal/h', '#2a7fbf'),
        rate('Deuterium/h', '#2e9e5b'),
      ],
    };
  }
}
