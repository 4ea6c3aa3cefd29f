// A long list drawn as only the rows in view, between two spacers of the
// right height, so a plan of a million entries redraws as fast as a short
// one: the rows in view are the only ones asked of the core. Rows have one
// fixed height (set in the style sheet).

export class VirtualRows {
  private count = 0;
  private frame = 0;
  // Kept from the resize observer: reading it during a redraw would force a
  // layout of the whole page in the middle of the click.
  private viewHeight = 600;
  private scrollTop = 0;

  constructor(
    private readonly scroller: HTMLElement,
    private readonly body: HTMLElement,
    private readonly rowHeight: number,
    private readonly spacer: (height: number) => string,
    // The HTML of rows first .. last − 1.
    private readonly rows: (first: number, last: number) => string,
    private readonly headerHeight = 0,
  ) {
    new ResizeObserver(() => {
      const height = this.scroller.clientHeight;
      if (height > 0 && height !== this.viewHeight) {
        this.viewHeight = height;
        this.draw();
      }
    }).observe(scroller);
    scroller.addEventListener('scroll', () => {
      this.scrollTop = scroller.scrollTop;
      if (!this.frame) this.frame = requestAnimationFrame(() => this.draw());
    });
  }

  setCount(count: number): void {
    this.count = count;
    this.draw();
  }

  // Scrolls just enough to show row `index`.
  reveal(index: number): void {
    if (index < 0 || index >= this.count) return;
    const top = index * this.rowHeight;
    const view = this.viewHeight - this.headerHeight;
    if (top < this.scrollTop) this.scrollTop = this.scroller.scrollTop = top;
    else if (top + this.rowHeight > this.scrollTop + view) this.scrollTop = this.scroller.scrollTop = top + this.rowHeight - view;
  }

  draw(): void {
    this.frame = 0;
    const count = this.count;
    const visible = Math.ceil(this.viewHeight / this.rowHeight) + 1;
    const first = Math.max(0, Math.min(count - visible, Math.floor(this.scrollTop / this.rowHeight) - 5));
    const last = Math.min(count, first + visible + 10);
    let html = first > 0 ? this.spacer(first * this.rowHeight) : '';
    if (last > first) html += this.rows(first, last);
    if (last < count) html += this.spacer((count - last) * this.rowHeight);
    this.body.innerHTML = html;
  }
}
