// Where the plan outlives the tab: the browser's storage after every change,
// and a share link whose fragment carries the whole queue file (a fragment
// is never sent to a server). The stored plan carries a revision, so that a
// tab never writes over a newer plan another tab stored.

const storageKey = 'korvelin.plan';
// The browser keeps about five million characters per site; the file grows
// by a third in base64. A larger plan is not tried, and the page says so.
const largestStored = 3_500_000;

export interface StoredPlan {
  file: Uint8Array;
  satellites?: string; // beside the file in plans kept by earlier builds
  revision: number;
}

function toBase64Url(bytes: Uint8Array): string {
  let binary = '';
  for (let i = 0; i < bytes.length; i += 0x8000) binary += String.fromCharCode(...bytes.subarray(i, i + 0x8000));
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

function encode(file: Uint8Array, revision?: number): string {
  const params = new URLSearchParams();
  params.set('plan', toBase64Url(file));
  if (revision !== undefined) params.set('rev', String(revision));
  return params.toString();
}

function decode(text: string): StoredPlan | null {
  const params = new URLSearchParams(text);
  const file = fromBase64Url(params.get('plan') ?? '');
  if (!file || file.length === 0) return null;
  return { file, satellites: params.get('sat') ?? undefined, revision: Number(params.get('rev') ?? 0) || 0 };
}

function readStored(): StoredPlan | null {
  try {
    const text = localStorage.getItem(storageKey);
    return text ? decode(text) : null;
  } catch {
    return null;
  }
}

function sameBytes(a: Uint8Array, b: Uint8Array): boolean {
  return a.length === b.length && a.every((byte, i) => byte === b[i]);
}

// This tab's view of the stored plan: the revision its plan builds on.
export class PlanStore {
  private revision = 0;
  private kept: Uint8Array | null = null;

  // `newer` gets a plan another tab stored since this one last read or wrote.
  constructor(private readonly newer: (plan: StoredPlan) => void) {
    window.addEventListener('storage', (event: StorageEvent) => {
      if (event.key !== storageKey || !event.newValue) return;
      const plan = decode(event.newValue);
      if (plan) this.take(plan);
    });
  }

  read(): StoredPlan | null {
    const plan = readStored();
    if (plan) {
      this.revision = plan.revision;
      this.kept = plan.file;
    }
    return plan;
  }

  // Keeps `file` unless it is what is stored already; a message when the
  // browser does not keep it. A newer plan from another tab is taken in
  // place of writing over it.
  write(file: Uint8Array): string {
    const stored = readStored();
    if (stored && stored.revision > this.revision) {
      this.take(stored);
      return '';
    }
    if (this.kept && sameBytes(this.kept, file)) return '';
    if (file.length > largestStored) {
      return `This plan (${(file.length / 1e6).toFixed(1)} MB) is too large for the browser to keep; ` +
        'Save it to a file to keep it.';
    }
    try {
      localStorage.setItem(storageKey, encode(file, this.revision + 1));
    } catch {
      return 'The browser refused to keep the plan (its storage is full or switched off); Save it to a file to keep it.';
    }
    this.revision += 1;
    this.kept = file;
    return '';
  }

  private take(plan: StoredPlan): void {
    if (plan.revision <= this.revision) return;
    this.revision = plan.revision;
    this.kept = plan.file;
    this.newer(plan);
  }
}

export function shareLink(file: Uint8Array): string {
  const url = new URL(location.href);
  url.hash = encode(file);
  return url.href;
}

// What the page's address carries: nothing for a page opened plainly, else
// the linked plan, or null for a link whose plan cannot be read.
export function linkedPlan(): { plan: StoredPlan | null } | undefined {
  const hash = location.hash.replace(/^#/, '');
  return hash.includes('plan=') ? { plan: decode(hash) } : undefined;
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

// The searches' time budget in milliseconds: a setting kept with the page,
// two seconds unless set.
export function searchTimeMs(): number {
  try {
    const ms = Number(localStorage.getItem('korvelin.searchMs'));
    return Number.isFinite(ms) && ms > 0 ? ms : 2000;
  } catch {
    return 2000;
  }
}
