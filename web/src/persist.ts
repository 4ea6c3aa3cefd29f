// Where the plan outlives the tab: the browser's storage after every change,
// and a share link whose fragment carries the whole queue file (a fragment
// is never sent to a server).

const storageKey = 'korvelin.plan';

export interface StoredPlan {
  file: Uint8Array;
  satellites: string;
}

function toBase64Url(bytes: Uint8Array): string {
  let binary = '';
  for (const byte of bytes) binary += String.fromCharCode(byte);
  return btoa(binary).replace(/\+/g, '-').replace(/\//g, '_').replace(/=+$/, '');
}

function fromBase64Url(text: string): Uint8Array | null {
  try {
    const binary = atob(text.replace(/-/g, '+').replace(/_/g, '/'));
    return Uint8Array.from(binary, (c) => c.charCodeAt(0));
  } catch {
    return null;
  }
}

function encode(plan: StoredPlan): string {
  const params = new URLSearchParams();
  params.set('plan', toBase64Url(plan.file));
  params.set('sat', plan.satellites);
  return params.toString();
}

function decode(text: string): StoredPlan | null {
  const params = new URLSearchParams(text);
  const file = fromBase64Url(params.get('plan') ?? '');
  if (!file) return null;
  return { file, satellites: params.get('sat') ?? '0' };
}

export function storePlan(plan: StoredPlan): void {
  try {
    localStorage.setItem(storageKey, encode(plan));
  } catch {
    // Storage full or switched off: the plan on screen is still whole.
  }
}

export function storedPlan(): StoredPlan | null {
  try {
    const text = localStorage.getItem(storageKey);
    return text ? decode(text) : null;
  } catch {
    return null;
  }
}

export function shareLink(plan: StoredPlan): string {
  const url = new URL(location.href);
  url.hash = encode(plan);
  return url.href;
}

// The plan a share link carries, or nothing for a page opened plainly.
export function linkedPlan(): StoredPlan | null {
  const hash = location.hash.replace(/^#/, '');
  return hash.includes('plan=') ? decode(hash) : null;
}

export function englishNamesSetting(): boolean {
  try {
    return localStorage.getItem('korvelin.names') !== 'ru';
  } catch {
    return true;
  }
}

export function storeEnglishNames(english: boolean): void {
  try {
    localStorage.setItem('korvelin.names', english ? 'en' : 'ru');
  } catch {
    // Not kept: the choice still holds on this page.
  }
}
