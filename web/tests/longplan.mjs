// A long plausible plan as a queue file: mines and power first, then
// factories, storage, the lab and research, repeated in blocks, each line the
// next level of its item. Test data only; the page and the core never see how
// it was made.
export function longPlanFile(count, temperature = '40') {
  const block = [4, 1, 4, 2, 4, 3, 31, 14, 22, 106, 4, 1, 2, 108, 12, 23, 113, 24, 110, 109, 115, 117, 120, 121, 122, 114, 118, 111, 44, 21];
  const levels = new Map();
  const lines = ['[Korvelin_0.7_BuildQueueList]', `Temperature=${temperature}`, '##BUILD##'];
  for (let i = 0; i < count; ++i) {
    const bid = block[i % block.length];
    levels.set(bid, (levels.get(bid) ?? 0) + 1);
    lines.push(`${bid}:${levels.get(bid)}:${999 - i}`);
  }
  return Buffer.from(lines.map((l) => l + '\r\n').join(''));
}
