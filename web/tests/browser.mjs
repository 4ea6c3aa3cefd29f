// Starts Debian's Chromium through playwright-core with a fresh profile.
import { chromium } from 'playwright-core';
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

const args = ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync'];

export async function launch() {
  const profile = mkdtempSync(join(tmpdir(), 'korvelin-chromium-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: process.env.KORVELIN_CHROMIUM ?? '/usr/bin/chromium',
    headless: true,
    args,
    acceptDownloads: true,
  });
  const close = async () => {
    await context.close();
    rmSync(profile, { recursive: true, force: true });
  };
  return { context, close };
}
