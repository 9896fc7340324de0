// pinyin-pro's reading of every Chinese character of a UTF-8 text, in context, one
// "character TAB reading" line each, for the agreement figures of make bench.
//   node pinyin_pro_readings.js TEXT-FILE >READINGS
'use strict';
const fs = require('fs');
const { pinyin } = require('pinyin-pro');

const out = [];
// Line by line: pinyin-pro never joins a word across a line break, and a whole manual set
// at once takes gigabytes.
for (const line of fs.readFileSync(process.argv[2], 'utf8').split('\n')) {
  for (const item of pinyin(line, { type: 'all', toneType: 'symbol' })) {
    if (item.isZh) out.push(item.origin + '\t' + item.pinyin);
  }
}
process.stdout.write(out.join('\n') + '\n');
