// A long plausible plan as a queue file: mines and power first, then
// factories, storage, the lab and research, repeated in blocks, each line the
// next level of its item. Test data only; the page and the core never see how
// it was made.
export function longPlanFile(count, temperature = '40', start = new Map()) {
  const block = [4, 1, 4, 2, 4, 3, 31, 14, 22, 106, 4, 1, 2, 108, 12, 23, 113, 24, 110, 109, 115, 117, 120, 121, 122, 114, 118, 111, 44, 21];
  const levels = new Map(start);
  const lines = ['[Korvelin_0.7_BuildQueueList]', `Temperature=${temperature}`, ...levelsLine(start), '##BUILD##'];
  for (let i = 0; i < count; ++i) {
    const bid = block[i % block.length];
    levels.set(bid, (levels.get(bid) ?? 0) + 1);
    lines.push(`${bid}:${levels.get(bid)}:${999 - i}`);
  }
  return Buffer.from(lines.map((l) => l + '\r\n').join(''));
}

// The 300-entry balanced plan the native order-search benchmark shuffles
// (bench/ShuffledQueue.h), each item's levels spread evenly and unshuffled:
// the worker's search rate is measured on the same kind of plan.
export function balancedPlanFile(temperature = '40', start = new Map()) {
  const levels = [[1, 33], [2, 29], [3, 22], [4, 30], [12, 12], [14, 10], [15, 2], [21, 10], [22, 8], [23, 8], [24, 7],
    [31, 10], [44, 3], [106, 10], [108, 10], [109, 10], [110, 9], [111, 10], [113, 12], [114, 8], [115, 10], [117, 8],
    [118, 5], [120, 12], [121, 6], [122, 6]];
  const keyed = [];
  for (const [bid, count] of levels) {
    for (let k = 0; k < count; ++k) keyed.push([(k + 0.5) / count, bid, (start.get(bid) ?? 0) + k + 1]);
  }
  keyed.sort((a, b) => a[0] - b[0]);
  const lines = ['[Korvelin_0.7_BuildQueueList]', `Temperature=${temperature}`, ...levelsLine(start), '##BUILD##'];
  keyed.forEach(([, bid, level], i) => lines.push(`${bid}:${level}:${999 - i}`));
  return Buffer.from(lines.map((l) => l + '\r\n').join(''));
}

function levelsLine(start) {
  return start.size === 0 ? [] : [`Levels=${[...start].map(([bid, level]) => `${bid}:${level}`).join(',')}`];
}

// Start levels under which the long plan keeps the technology tree and the
// stores as queued: the levels its items need before the plan reaches them.
export const kLongPlanPlanet = new Map([[3, 5], [14, 2], [21, 1], [22, 5], [23, 5], [24, 5], [31, 7], [110, 5],
  [113, 8], [114, 3], [120, 10], [121, 5]]);

// The same for the balanced plan, as the native benchmark's planet has them.
export const kBalancedPlanPlanet = new Map([[3, 5], [14, 10], [21, 1], [22, 30], [23, 30], [24, 30], [31, 12],
  [41, 1], [108, 10], [110, 5], [113, 8], [114, 8], [120, 10], [121, 5]]);
