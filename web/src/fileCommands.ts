// Open, Save, Save CSV and Share link: files come and go as the core's bytes.

import type { PlanDocument } from './document';
import type { PlanView } from './planView';
import { byId } from './dom';
import { showMessage, showMessages } from './dialogs';
import { shareLink } from './persist';

function download(bytes: Uint8Array, name: string, type: string): void {
  const url = URL.createObjectURL(new Blob([bytes as BlobPart], { type }));
  const link = document.createElement('a');
  link.href = url;
  link.download = name;
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(url), 10000);
}

export function wireFileCommands(doc: PlanDocument, view: PlanView): void {
  let fileName = 'plan.bql';
  const openInput = byId<HTMLInputElement>('open-file');

  async function openFile(file: File): Promise<void> {
    const bytes = new Uint8Array(await file.arrayBuffer());
    const { accepted, messages } = doc.loadBytes(bytes, 'Open');
    if (accepted) {
      fileName = file.name;
      view.select(-1);
      view.say(`Opened ${file.name}.`);
    }
    await showMessages(messages, accepted ? 'Korvelin' : `Cannot open ${file.name}`);
  }

  byId('open').onclick = () => openInput.click();
  openInput.addEventListener('change', () => {
    const file = openInput.files?.[0];
    openInput.value = '';
    if (file) void openFile(file);
  });
  // A file dropped on the page opens as Open would open it.
  document.addEventListener('dragover', (event) => {
    if (event.dataTransfer?.types.includes('Files')) event.preventDefault();
  });
  document.addEventListener('drop', (event) => {
    const file = event.dataTransfer?.files[0];
    if (!file) return;
    event.preventDefault();
    void openFile(file);
  });

  byId('save').onclick = () => download(doc.plan.fileBytes(), fileName, 'application/x-korvelin-queue');
  byId('save-csv').onclick = () =>
    download(doc.plan.csvBytes(), fileName.replace(/\.bql$/i, '') + '.csv', 'text/csv');
  byId('share').onclick = async () => {
    const link = shareLink(doc.plan.fileBytes());
    let copied = false;
    try {
      await navigator.clipboard.writeText(link);
      copied = true;
    } catch {
      // No clipboard here (a plain-http host): the box shows the link to copy.
    }
    await showMessage(copied ? `Link copied:\n${link}` : link, 'Share link');
  };
}
