// pinyin-pro on the hanzi of zyf's benchmark text: hanzi per second in the three forms that
// match zyf's modes. Prints one JSON object.
//   node pinyin_pro_bench.js HANZI-FILE [RUNS]
'use strict';
const fs = require('fs');
const { pinyin } = require('pinyin-pro');

const text = fs.readFileSync(process.argv[2], 'utf8');
const runs = Number(process.argv[3] || 3);
const hanzi = Array.from(text).length;

const forms = {
  tones: { toneType: 'symbol' },
  toneless: { toneType: 'none' },
  initials: { pattern: 'initial' },
};

const result = { hanzi, version: require('pinyin-pro/package.json').version, node: process.version };
for (const [name, options] of Object.entries(forms)) {
  pinyin(text.slice(0, 200000), options);  // warm-up: dictionaries loaded, code compiled
  let best = Infinity;
  for (let i = 0; i < runs; i++) {
    const start = process.hrtime.bigint();
    const out = pinyin(text, options);
    const seconds = Number(process.hrtime.bigint() - start) / 1e9;
    if (out.length === 0) throw new Error('no output');
    best = Math.min(best, seconds);
  }
  result[name] = hanzi / best;
}
console.log(JSON.stringify(result));
