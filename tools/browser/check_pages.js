// Renders the calendar pages and help.html in Chromium, headless, as a user would see them
// on a 1280-px screen and on a phone, prints them on A4, and checks widths, the text size a
// phone shows, greyscale-safe Fridays and stripes, and the printed pages. Run by
// check_pages.sh, which makes the pages: node check_pages.js CHROMIUM NPM_DIR OUT_DIR KIND:FILE...
// (KIND month, year, ramadan or help; the files lie in OUT_DIR/pages, whose markup is never
// changed here). Exits 1 on a failed check.
'use strict';
const fs = require('fs');
const os = require('os');
const path = require('path');
const { createRequire } = require('module');
const { pathToFileURL } = require('url');

const [chromium, npmDir, outDir, ...specs] = process.argv.slice(2);
const npmRequire = createRequire(path.join(path.resolve(npmDir), 'node_modules', '.'));
const puppeteer = npmRequire('puppeteer-core');
const pagesDir = path.join(outDir, 'pages');

// A 1280-px desktop window (scroll bars shown, as a user has them), a real phone's metrics,
// and the smallest phone width that help.html, which has a viewport tag, must serve.
const windows = {
  desktop: { width: 1280, height: 800, deviceScaleFactor: 1 },
  phone: { width: 390, height: 844, deviceScaleFactor: 3, isMobile: true, hasTouch: true },
  phone320: { width: 320, height: 568, deviceScaleFactor: 2, isMobile: true, hasTouch: true },
};
const kMinPhoneTextPx = 12;  // CSS px as displayed: font size times the visual viewport's scale
const kMinPrintPt = 6;       // the smallest printed text still read without a magnifier
const kMinMonthFill = 0.75;  // part of the A4 sheet's width the monthly table spans
const kMonths = ['Janvier', 'Février', 'Mars', 'Avril', 'Mai', 'Juin', 'Juillet', 'Août',
  'Septembre', 'Octobre', 'Novembre', 'Décembre'];

const failures = [];
const rows = [];
function check(ok, page, where, what, measured) {
  if (!ok) failures.push(`${page} at ${where}: ${what} (measured ${measured})`);
}

async function measureScreen(page) {
  return page.evaluate(() => {
    const doc = document.documentElement;
    const scale = window.visualViewport.scale;
    let smallest = { px: Infinity, text: '' };
    const walker = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
    for (let node = walker.nextNode(); node; node = walker.nextNode()) {
      const text = node.data.replace(/\u00a0/g, ' ').trim();
      const el = node.parentElement;
      if (!text || el.getClientRects().length === 0) continue;
      const style = getComputedStyle(el);
      if (style.visibility !== 'visible') continue;
      const px = parseFloat(style.fontSize) * scale;
      if (px < smallest.px) smallest = { px, text: text.slice(0, 30) };
    }
    // A cell narrower than its text lets it run over its neighbours.
    const spilling = [...document.querySelectorAll('td, th')]
      .find((c) => c.getClientRects().length && c.scrollWidth > c.clientWidth + 1);
    // A day of a month's or Ramadan's page keeps its times on one line.
    const split = [...document.querySelectorAll('tr')].find((tr) =>
      tr.querySelectorAll(':scope > td[width="10"]').length === 1 &&
      new Set([...tr.querySelectorAll(':scope > td[width="40"]')]
        .map((c) => Math.round(c.getBoundingClientRect().top))).size > 1);
    const tableRight = Math.max(0, ...[...document.querySelectorAll('table')]
      .map((t) => t.getBoundingClientRect().right));
    return {
      tableRight,
      spilling: spilling ? spilling.textContent.trim().slice(0, 30) : null,
      split: split ? split.textContent.replace(/\s+/g, ' ').trim().slice(0, 40) : null,
      scrollWidth: doc.scrollWidth, clientWidth: doc.clientWidth,
      visualWidth: window.visualViewport.width, scale, smallest,
    };
  });
}

// What tells Fridays and the two stripes apart once colour is gone: weight and rules.
async function greyscaleSignatures(page) {
  return page.evaluate(() => {
    const sig = (sel) => {
      const cell = document.querySelector(sel);
      if (!cell) return null;
      const s = getComputedStyle(cell);
      return ['fontWeight', 'borderTopStyle', 'borderTopWidth', 'borderBottomStyle',
        'borderBottomWidth', 'borderLeftStyle', 'borderLeftWidth'].map((k) => s[k]).join(' ');
    };
    // A Fajr cell: the row carries the colour on the monthly page, the cell on the annual.
    const fajr = (colour) => sig(`tr[bgcolor="${colour[0]}"] td:nth-child(3), td[bgcolor="${colour[1]}"]:nth-child(3)`);
    return {
      friday: fajr(['#FFD5D5', '#FFD5D5']),
      odd: fajr(['#F0F0E0', '#E0FFD0']),
      even: fajr(['#F5F5F5', '#E5FFE5']),
    };
  });
}

// Screenshots and PDFs are named after the page and its folder (shipped/, nohijri/).
const shotName = (file) => file.replace(/\.html$/, '').replace(/\//g, '-');

async function render(browser, file, kind, windowName) {
  const page = await browser.newPage();
  try {
    await page.setViewport(windows[windowName]);
    await page.goto(pathToFileURL(path.join(pagesDir, file)).href, { waitUntil: 'load' });
    const m = await measureScreen(page);  // first: a full-page screenshot resizes the view
    const shot = path.join(outDir, `${shotName(file)}.${windowName}.png`);
    await page.screenshot({ path: shot, fullPage: windowName === 'desktop' });
    const where = `${windows[windowName].width} px`;
    check(m.scrollWidth <= m.clientWidth, file, where, 'page wider than its window',
      `${m.scrollWidth} > ${m.clientWidth} px`);
    check(!m.spilling, file, where, 'text runs out of its cell', `"${m.spilling}"`);
    check(!m.split, file, where, "a day's times on more than one line", `"${m.split}"`);
    if (windowName !== 'desktop') {
      check(m.visualWidth >= m.scrollWidth - 1, file, where, 'page wider than the phone screen',
        `${m.scrollWidth} px at scale ${m.scale.toFixed(3)} in ${m.visualWidth.toFixed(0)}`);
      check(m.smallest.px >= kMinPhoneTextPx, file, where,
        `text smaller than ${kMinPhoneTextPx} px as displayed ("${m.smallest.text}")`,
        `${m.smallest.px.toFixed(1)} px`);
    } else if (kind !== 'help') {
      const sig = await greyscaleSignatures(page);
      check(sig.friday !== sig.odd && sig.friday !== sig.even, file, where,
        'Fridays differ from other days by colour alone', `${sig.friday} | ${sig.odd}`);
      check(sig.odd !== sig.even, file, where, 'alternate days differ by colour alone',
        `${sig.odd} | ${sig.even}`);
    }
    rows.push(`${file.padEnd(44)} ${windowName.padEnd(8)} width ${m.scrollWidth}/${m.clientWidth}` +
      ` (tables end at ${m.tableRight.toFixed(0)}) scale ${m.scale.toFixed(3)} smallest text` +
      ` ${m.smallest.px.toFixed(1)} px`);
  } finally {
    await page.close();
  }
}

// Text of each printed page with its place and size, read back from the PDF.
async function readPdf(pdfjs, pdfPath, pngBase) {
  const doc = await pdfjs.getDocument({ data: new Uint8Array(fs.readFileSync(pdfPath)),
    verbosity: 0 }).promise;
  const pages = [];
  for (let n = 1; n <= doc.numPages; ++n) {
    const p = await doc.getPage(n);
    const view = p.getViewport({ scale: 1 });
    const items = (await p.getTextContent()).items.filter((i) => i.str.trim())
      .map((i) => ({ str: i.str.replace(/\u00a0/g, ' ').trim(), x: i.transform[4],
        right: i.transform[4] + i.width, y: i.transform[5],
        pt: Math.hypot(i.transform[2], i.transform[3]) }));
    pages.push({ width: view.width, height: view.height, items });
    try {  // a picture of the sheet to look at; needs the optional @napi-rs/canvas
      const scaled = p.getViewport({ scale: 1.5 });
      const canvas = doc.canvasFactory.create(scaled.width, scaled.height);
      await p.render({ canvasContext: canvas.context, viewport: scaled, canvas: canvas.canvas }).promise;
      fs.writeFileSync(`${pngBase}.p${n}.png`, canvas.canvas.toBuffer('image/png'));
    } catch (e) { /* no canvas: the PDF itself stays beside the screenshots */ }
  }
  await doc.destroy();
  return pages;
}

function checkPrint(file, kind, orientation, pages, tableTimes) {
  const where = `A4 ${orientation}`;
  let smallestPt = Infinity;
  pages.forEach((pg, i) => {
    for (const it of pg.items) {
      smallestPt = Math.min(smallestPt, it.pt);
      check(it.x >= -0.5 && it.right <= pg.width + 0.5 && it.y >= 0 && it.y <= pg.height, file,
        where, `text cut at the sheet's edge on page ${i + 1} ("${it.str}")`,
        `x ${it.x.toFixed(0)} to ${it.right.toFixed(0)} of ${pg.width.toFixed(0)} pt`);
    }
  });
  check(smallestPt >= kMinPrintPt, file, where, `printed text under ${kMinPrintPt} pt`,
    `${smallestPt.toFixed(1)} pt`);
  let note = '';
  const times = (pg) => pg.items.filter((it) => /^\d\d:\d\d$/.test(it.str)).length;
  if (kind === 'month' || kind === 'ramadan') {
    check(pages.length === 1, file, where, `the ${kind} takes more than one sheet`, `${pages.length} pages`);
    const timed = pages[0].items.filter((it) => /^\d\d:\d\d$/.test(it.str));
    const left = Math.min(...pages[0].items.filter((it) => /^\d+$/.test(it.str)).map((it) => it.x));
    const fill = (Math.max(...timed.map((it) => it.right)) - left) / pages[0].width;
    if (orientation === 'portrait') {
      check(fill >= kMinMonthFill, file, where, `the table spans less than ${kMinMonthFill * 100} % of the sheet`,
        `${(fill * 100).toFixed(0)} %`);
    }
    note = ` table spans ${(fill * 100).toFixed(0)} % of the width`;
  } else if (kind === 'year') {
    check(pages.length === 4, file, where, 'not one quarter a sheet', `${pages.length} pages`);
    pages.slice(0, 4).forEach((pg, q) => {
      const months = kMonths.filter((name) => pg.items.some((it) => it.str === name));
      const expected = kMonths.slice(3 * q, 3 * q + 3);
      check(months.join() === expected.join(), file, where, `page ${q + 1} is not quarter ${q + 1}`,
        months.join(' '));
      check(times(pg) === tableTimes[q], file, where, `quarter ${q + 1} cut: not all its times on its sheet`,
        `${times(pg)} of ${tableTimes[q]}`);
    });
  }
  const sheet = pages[0].width > pages[0].height ? 'landscape' : 'portrait';
  rows.push(`${file.padEnd(44)} ${where.padEnd(14)} ${pages.length} ${sheet} sheet(s), smallest text` +
    ` ${smallestPt.toFixed(1)} pt${note}`);
}

async function print(browser, pdfjs, file, kind) {
  // The times each table holds (six a day, and Imsak on Ramadan's days): what its sheet shows.
  const html = fs.readFileSync(path.join(pagesDir, file), 'latin1');
  const tableTimes = html.split('<table').slice(1).map((t) => (t.match(/>&nbsp;\d\d:\d\d</g) || []).length);
  const page = await browser.newPage();
  try {
    await page.goto(pathToFileURL(path.join(pagesDir, file)).href, { waitUntil: 'load' });
    for (const orientation of ['portrait', 'landscape']) {
      const base = path.join(outDir, `${shotName(file)}.${orientation}`);
      await page.pdf({ path: `${base}.pdf`, format: 'A4', landscape: orientation === 'landscape',
        printBackground: true });
      checkPrint(file, kind, orientation, await readPdf(pdfjs, `${base}.pdf`, base), tableTimes);
    }
  } finally {
    await page.close();
  }
}

async function main() {
  const pdfjs = await import(pathToFileURL(npmRequire.resolve('pdfjs-dist/legacy/build/pdf.mjs')).href);
  const pages = specs.map((s) => ({ kind: s.split(':')[0], file: s.slice(s.indexOf(':') + 1) }));
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'veloranth-chromium-'));
  // Debian's Chromium on a machine without network: these switches keep it from stalling.
  const browser = await puppeteer.launch({
    executablePath: chromium, userDataDir: profile, headless: true, timeout: 60000,
    ignoreDefaultArgs: ['--hide-scrollbars'],
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
  try {
    for (const { kind, file } of pages) {
      const shown = ['desktop', 'phone', ...(kind === 'help' ? ['phone320'] : [])];
      for (const w of shown) await render(browser, file, kind, w);
      await print(browser, pdfjs, file, kind);
    }
  } finally {
    await browser.close();
    fs.rmSync(profile, { recursive: true, force: true });
  }
  console.log(rows.join('\n'));
  console.log(`Screenshots and printed pages: ${outDir}`);
  if (failures.length) {
    console.error(`\nBrowser test: ${failures.length} check(s) failed:\n  ${failures.join('\n  ')}`);
    process.exit(1);
  }
  console.log('Browser test: every page passed.');
}

main().catch((e) => { console.error(`Browser test could not run: ${e.stack || e}`); process.exit(1); });
