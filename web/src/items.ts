// Which item each button of the two panels shows and its picture in res/items,
// in the window's panel order. Names and figures come from the core.

export interface ItemButton {
  bid: number;
  bitmap: number;
}

export const buildingButtons: ItemButton[] = [
  { bid: 1, bitmap: 1 }, { bid: 2, bitmap: 4 }, { bid: 3, bitmap: 5 }, { bid: 4, bitmap: 6 },
  { bid: 12, bitmap: 7 }, { bid: 14, bitmap: 8 }, { bid: 21, bitmap: 9 }, { bid: 22, bitmap: 10 },
  { bid: 23, bitmap: 11 }, { bid: 24, bitmap: 12 }, { bid: 31, bitmap: 13 }, { bid: 44, bitmap: 15 },
  { bid: 15, bitmap: 16 },
];

export const researchButtons: ItemButton[] = [
  { bid: 106, bitmap: 2 }, { bid: 108, bitmap: 3 }, { bid: 109, bitmap: 14 }, { bid: 110, bitmap: 17 },
  { bid: 111, bitmap: 18 }, { bid: 113, bitmap: 19 }, { bid: 114, bitmap: 20 }, { bid: 115, bitmap: 21 },
  { bid: 117, bitmap: 22 }, { bid: 118, bitmap: 23 }, { bid: 120, bitmap: 24 }, { bid: 121, bitmap: 25 },
  { bid: 122, bitmap: 26 },
];

export function iconUrl(bitmap: number): string {
  return `items/ZMAINFORM_BUTTON${bitmap}_IMAGE.bmp`;
}
