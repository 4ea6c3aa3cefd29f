// The page's modal boxes: a message with OK, and the search's progress box
// that turns into the Yes/No question when the search ends.

import { byId } from './dom';

export function showMessage(text: string, title = 'Korvelin'): Promise<void> {
  const box = byId<HTMLDialogElement>('message-box');
  byId('message-title').textContent = title;
  byId('message-text').textContent = text;
  return new Promise((resolve) => {
    const ok = byId<HTMLButtonElement>('message-ok');
    ok.onclick = () => box.close();
    box.onclose = () => resolve();
    if (!box.open) box.showModal();
    ok.focus();
  });
}

// Shows each message in turn, as the window shows one box after another.
export async function showMessages(texts: string[], title?: string): Promise<void> {
  for (const text of texts) await showMessage(text, title);
}

export class SearchBox {
  private box = byId<HTMLDialogElement>('search-box');
  private text = byId('search-text');
  private progress = byId<HTMLProgressElement>('search-progress');
  private yes = byId<HTMLButtonElement>('search-yes');
  private no = byId<HTMLButtonElement>('search-no');
  private cancel = byId<HTMLButtonElement>('search-cancel');

  open(title: string, onCancel: () => void): void {
    byId('search-title').textContent = title;
    this.text.textContent = 'Searching…';
    this.progress.hidden = false;
    this.progress.value = 0;
    this.yes.hidden = this.no.hidden = true;
    this.cancel.hidden = false;
    this.cancel.disabled = false;
    this.cancel.onclick = () => {
      this.cancel.disabled = true;
      this.text.textContent = 'Cancelling…';
      onCancel();
    };
    // Escape cancels as the Cancel button does.
    this.box.oncancel = (event) => {
      event.preventDefault();
      if (!this.cancel.hidden && !this.cancel.disabled) this.cancel.click();
    };
    this.box.showModal();
    this.cancel.focus();
  }

  update(text: string, permille: number): void {
    if (this.cancel.disabled) return;
    this.text.textContent = text;
    this.progress.value = permille;
  }

  // Asks the closing question; resolves true for Yes.
  ask(text: string): Promise<boolean> {
    this.text.textContent = text;
    this.progress.hidden = true;
    this.cancel.hidden = true;
    this.yes.hidden = this.no.hidden = false;
    return new Promise((resolve) => {
      const finish = (answer: boolean) => {
        this.box.close();
        resolve(answer);
      };
      this.yes.onclick = () => finish(true);
      this.no.onclick = () => finish(false);
      this.box.oncancel = (event) => {
        event.preventDefault();
        finish(false);
      };
      this.yes.focus();
    });
  }

  tell(text: string): Promise<void> {
    this.box.close();
    return showMessage(text);
  }
}
