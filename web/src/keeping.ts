// The plan kept across reloads and tabs: the stored plan first, then a share
// link's plan as one undoable change; after each change the plan is stored
// once the edits pause, and always as the page goes away.

import type { PlanDocument } from './document';
import type { PlanView } from './planView';
import { showMessages } from './dialogs';
import { PlanStore, linkedPlan } from './persist';

export function keepPlan(doc: PlanDocument, view: PlanView, beforeLeaving: () => void): void {
  const store = new PlanStore((plan) => {
    // Another tab stored a newer plan: this tab takes it, and its own is one
    // Undo away, so neither overwrites the other unseen.
    const { accepted } = doc.loadBytes(plan.file, 'Plan from another tab', plan.satellites);
    if (accepted) view.say('The plan was changed in another tab; Undo brings back the one this tab showed.');
  });
  // A plan the browser does not keep says so after every change, so the
  // line is never taken for one about an earlier plan.
  const keep = () => {
    const message = store.write(doc.plan.fileBytes());
    if (message) view.say(message);
  };

  const stored = store.read();
  if (stored) {
    const { accepted, messages } = doc.loadBytes(stored.file, 'Open', stored.satellites);
    doc.plan.clearHistory();
    if (!accepted || messages.length) void showMessages(messages, 'Stored plan');
  }
  // The fragment is dropped once read, so that a reload shows the plan as
  // edited since; a link that cannot be read changes nothing. A link pasted
  // into the open page arrives as a new fragment.
  const openLink = () => {
    const linked = linkedPlan();
    if (!linked) return;
    history.replaceState(null, '', location.pathname + location.search);
    const result = linked.plan
      ? doc.loadBytes(linked.plan.file, 'Open share link', linked.plan.satellites)
      : { accepted: false, messages: ['The link does not hold a plan; the plan is as it was.'] };
    if (result.accepted) view.say('Opened the plan of the share link; Undo brings back the plan you had.');
    if (!result.accepted || result.messages.length) void showMessages(result.messages, 'Share link');
  };
  openLink();
  addEventListener('hashchange', openLink);

  let timer: ReturnType<typeof setTimeout> | undefined;
  view.onRefresh(() => {
    clearTimeout(timer);
    timer = setTimeout(keep, 300);
  });
  const leave = () => {
    beforeLeaving();
    clearTimeout(timer);
    keep();
  };
  addEventListener('pagehide', leave);
  document.addEventListener('visibilitychange', () => {
    if (document.visibilityState === 'hidden') leave();
  });
}
