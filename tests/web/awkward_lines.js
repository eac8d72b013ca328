// Writes N batch lines that stress number reading, carried coefficients and the plan: common
// cores, commas, blanks, signs, exponents, huge and tiny numbers, letters, invalid UTF-8, NUL
// and CR bytes. A fixed seed, so a failure can be repeated.
'use strict';

const count = Number(process.argv[2] || 50000);
let seed = 20261208;
function next(n) {
  seed = (Math.imul(seed, 1103515245) + 12345) >>> 0;
  return (seed >>> 8) % n;
}
function pick(list) { return list[next(list.length)]; }

const forms = ['1', '2', '3', '3', '0', '4', '7', '-1', '2.5', '40000', '1e5', '', 'abc', '1,5'];
const plain = ['220', '127', '12', '24', '1.5', '0.3', '0.1', '2', '5', '7', '12', '0.2', '0.35',
               '0.08', '0.15', '1', '100', '1000', '1001'];
const odd = ['', ' ', '0', '-5', '0,35', '1 000', '1.2.3', '1e300', '1e-300', '4.9e-324',
             '1.7976931348623157e308', '2e308', '.5', '5.', '-.0', '+3', '12abc', '1.5A', '2 см',
             '\u00a0 3', 'inf', 'nan', '0x1p3', '1e', '1e+', '9'.repeat(40), '0.' + '0'.repeat(30) + '1',
             '3.4999999999999999', '0.125', '0.005', '1.015', '2.675'];

function field() {
  if (next(5) === 0) return pick(odd);
  if (next(7) === 0) return String((next(100000) / 1000).toFixed(next(4)));
  return pick(plain);
}

const parts = [];
for (let i = 0; i < count; i++) {
  const fields = [pick(forms)];
  for (let k = 1; k < 9; k++) fields.push(field());
  let line = Buffer.from(fields.slice(0, 9 - (next(20) === 0 ? next(5) : 0)).join('\t'));
  const r = next(200);
  if (r === 0) line = Buffer.concat([line, Buffer.from([0xff, 0xfe, 0x80])]);
  else if (r === 1) line = Buffer.concat([Buffer.from([0x00]), line]);
  else if (r === 2) line = Buffer.concat([line, Buffer.from('\r')]);
  else if (r === 3) line = Buffer.from('# a comment\t1\t2');
  parts.push(line, Buffer.from('\n'));
}
process.stdout.write(Buffer.concat(parts));
