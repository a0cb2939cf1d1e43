// axe-core's rules, best practices included, in Debian's chromium on each
// HTML file given: every violation a line, exit status 1 when there is one.
const { chromium } = require('playwright-core');
const fs = require('fs');
const path = require('path');

(async () => {
  const browser = await chromium.launch({
    executablePath: '/usr/bin/chromium',
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
           '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
  const axe = fs.readFileSync(require.resolve('axe-core/axe.min.js'), 'utf8');
  let violations = 0;
  for (const file of process.argv.slice(2)) {
    const page = await browser.newPage();
    await page.goto('file://' + path.resolve(file));
    await page.addScriptTag({ content: axe });
    const result = await page.evaluate(() => axe.run(document, { resultTypes: ['violations'] }));
    for (const v of result.violations) {
      console.log(`${file}: ${v.id} (${v.impact}): ${v.help}: ${v.nodes.map(n => n.target).join(' ')}`);
    }
    violations += result.violations.length;
    console.log(`axe-core: ${result.violations.length} violations, ${result.passes.length} rules passed`);
    await page.close();
  }
  await browser.close();
  process.exit(violations ? 1 : 0);
})();
