// Interoperation of pelorin's CDR code with @foxglove/rosmsg2-serialization, an independent
// ROS 2 CDR implementation. For seeded random messages of every pelorin type, written by
// foxglove from the same definitions: the C++ peer reads each encoding and writes it again,
// and the octets must be the same; foxglove then reads our octets back to the same message.
// Text that is not ASCII is checked one way only (foxglove's writer counts UTF-16 units):
// foxglove must read the peer's encodings of such text exactly.
//
//   node interop.js --peer PATH --definitions DIR --interfaces DIR [--seeds N]
'use strict';
const assert = require('node:assert');
const fs = require('node:fs');
const path = require('node:path');
const {spawnSync} = require('node:child_process');
const {parse} = require('@foxglove/rosmsg');
const {MessageReader, MessageWriter} = require('@foxglove/rosmsg2-serialization');

const args = {};
for (let i = 2; i + 1 < process.argv.length; i += 2) args[process.argv[i].slice(2)] = process.argv[i + 1];
const seeds = Number(args.seeds || 20);

// ---- definitions: "pkg/Type" -> {kind, text}, relative names made absolute -------------
const PRIMITIVES = new Set(['bool', 'byte', 'char', 'float32', 'float64', 'int8', 'uint8',
  'int16', 'uint16', 'int32', 'uint32', 'int64', 'uint64', 'string', 'wstring']);
const types = new Map();

function qualify(pkg, text) {
  return text.split('\n').map((line) => {
    const body = line.replace(/#.*/, '').trim();
    if (body === '' || body.includes('=')) return line;
    const [type, ...rest] = body.split(/\s+/);
    const base = type.replace(/\[.*$/, '').replace(/<=.*$/, '');
    if (PRIMITIVES.has(base) || base.includes('/')) return line;
    return `${pkg}/${type} ${rest.join(' ')}`;
  }).join('\n');
}

function define(pkg, kind, name, text) {
  types.set(`${pkg}/${name}`, {pkg, kind, name, text: qualify(pkg, text)});
}

function readDir(pkg, dir) {
  for (const kind of ['msg', 'srv', 'action']) {
    const folder = path.join(dir, kind);
    if (!fs.existsSync(folder)) continue;
    for (const file of fs.readdirSync(folder).sort()) {
      const name = path.parse(file).name;
      const parts = fs.readFileSync(path.join(folder, file), 'utf8').split(/^---\s*$/m);
      if (kind === 'msg') {
        define(pkg, kind, name, parts[0]);
      } else if (kind === 'srv') {
        define(pkg, kind, `${name}_Request`, parts[0]);
        define(pkg, kind, `${name}_Response`, parts[1]);
      } else {
        define(pkg, kind, `${name}_Goal`, parts[0]);
        define(pkg, kind, `${name}_Result`, parts[1]);
        define(pkg, kind, `${name}_Feedback`, parts[2]);
        const uuid = 'unique_identifier_msgs/UUID goal_id\n';
        define(pkg, kind, `${name}_SendGoal_Request`, `${uuid}${name}_Goal goal\n`);
        define(pkg, kind, `${name}_SendGoal_Response`, 'bool accepted\nbuiltin_interfaces/Time stamp\n');
        define(pkg, kind, `${name}_GetResult_Request`, uuid);
        define(pkg, kind, `${name}_GetResult_Response`, `int8 status\n${name}_Result result\n`);
        define(pkg, kind, `${name}_FeedbackMessage`, `${uuid}${name}_Feedback feedback\n`);
      }
    }
  }
}

for (const pkg of fs.readdirSync(args.interfaces).sort()) {
  const dir = path.join(args.interfaces, pkg);
  if (fs.statSync(dir).isDirectory()) readDir(pkg, dir);
}
readDir('pelorin', args.definitions);

// The parsed definitions with `key` first, as foxglove's reader and writer take them.
function definitionsOf(key) {
  // Every section named, the root first: foxglove drops an unnamed root as a duplicate of
  // its named section, which the types that nest it need.
  let text = `MSG: ${key}\n${types.get(key).text}`;
  for (const [other, t] of types) {
    if (other !== key) text += `\n${'='.repeat(80)}\nMSG: ${other}\n${t.text}`;
  }
  return parse(text, {ros2: true});
}

// ---- random messages ---------------------------------------------------------------------
let state = 1;
function next() {  // xorshift32: reproducible per seed
  state ^= state << 13; state >>>= 0;
  state ^= state >>> 17;
  state ^= state << 5; state >>>= 0;
  return state;
}
const below = (n) => next() % n;
const pick = (values) => values[below(values.length)];

const INT_RANGES = {int8: [-128, 127], uint8: [0, 255], byte: [0, 255], char: [0, 255],
  int16: [-32768, 32767], uint16: [0, 65535], int32: [-2147483648, 2147483647],
  uint32: [0, 4294967295]};

function randomPrimitive(type) {
  if (type === 'bool') return below(2) === 1;
  if (type in INT_RANGES) {
    const [lo, hi] = INT_RANGES[type];
    return pick([lo, hi, 0, lo + (next() % (hi - lo + 1))]);
  }
  if (type === 'float32') {
    return Math.fround(pick([NaN, Infinity, -Infinity, -0, 1.401298464324817e-45,
      3.4028234663852886e38, (next() / 65536) - 30000]));
  }
  if (type === 'float64') {
    return pick([NaN, -Infinity, -0, 5e-324, Number.MAX_VALUE, (next() - 2 ** 31) / 7]);
  }
  if (type === 'string') {
    const length = below(4) === 0 ? 0 : below(40);
    let s = '';
    for (let i = 0; i < length; ++i) s += String.fromCharCode(below(10) === 0 ? 0 : 32 + below(95));
    return s;
  }
  if (type === 'time' || type === 'duration') {
    return {sec: randomPrimitive('int32'), nanosec: randomPrimitive('uint32')};
  }
  throw new Error(`no random value for ${type}`);
}

function randomMessage(fields, all) {
  const msg = {};
  for (const field of fields) {
    if (field.isConstant) continue;
    const one = () => (field.isComplex
      ? randomMessage(all.get(field.type), all) : randomPrimitive(field.type));
    if (field.isArray) {
      const length = field.arrayLength ?? below(4);
      msg[field.name] = Array.from({length}, one);
    } else {
      msg[field.name] = one();
    }
  }
  return msg;
}

// Deep equality that treats NaN as equal to itself and typed arrays like arrays.
function same(a, b, where) {
  if (typeof a === 'number' || typeof a === 'boolean' || typeof a === 'string' ||
      typeof a === 'bigint') {
    assert.ok(Object.is(a, b) || (a === 0 && b === 0 && Object.is(a, b)),
      `${where}: ${String(a)} != ${String(b)}`);
    return;
  }
  if (Array.isArray(a) || ArrayBuffer.isView(a)) {
    assert.ok(Array.isArray(b) || ArrayBuffer.isView(b), `${where}: not an array`);
    assert.equal(b.length, a.length, `${where}: length`);
    for (let i = 0; i < a.length; ++i) same(a[i], b[i], `${where}[${i}]`);
    return;
  }
  for (const key of Object.keys(a)) same(a[key], b[key], `${where}.${key}`);
}

const toHex = (bytes) => Buffer.from(bytes).toString('hex');

// ---- the round ---------------------------------------------------------------------------
let passed = 0;
let failed = 0;
function check(label, body) {
  try {
    body();
    ++passed;
  } catch (e) {
    ++failed;
    console.error(`FAIL ${label}: ${e.message}`);
  }
}

const pelorinTypes = [...types.values()].filter((t) => t.pkg === 'pelorin');
assert.equal(pelorinTypes.length, 65, 'every pelorin message type is defined');
const cases = [];
for (const t of pelorinTypes) {
  const key = `${t.pkg}/${t.name}`;
  const definitions = definitionsOf(key);
  const all = new Map(definitions.filter((d) => d.name).map((d) => [d.name, d.definitions]));
  const writer = new MessageWriter(definitions);
  const reader = new MessageReader(definitions);
  for (let seed = 1; seed <= seeds; ++seed) {
    state = (seed * 2654435761 + key.length * 97) >>> 0 || 1;
    const msg = randomMessage(definitions[0].definitions, all);
    const written = writer.writeMessage(msg);
    cases.push({label: `${t.pkg}/${t.kind}/${t.name} seed ${seed}`, id: `${t.pkg}/${t.kind}/${t.name}`,
      msg, header: written.slice(0, 4), body: written.slice(4), reader});
  }
}

const peer = spawnSync(args.peer, [], {
  input: cases.map((c) => `${c.id} ${c.body.length ? toHex(c.body) : '-'}\n`).join(''),
  maxBuffer: 1 << 30});
assert.equal(peer.status, 0, `peer failed: ${peer.stderr}`);
const answers = peer.stdout.toString().trim().split('\n');
assert.equal(answers.length, cases.length, 'one answer per encoding');
cases.forEach((c, i) => check(c.label, () => {
  const [id, hex, ...rest] = answers[i].split(' ');
  assert.equal(id, c.id);
  assert.notEqual(hex, 'ERROR', `the peer could not read it: ${rest.join(' ')}`);
  assert.equal(hex, toHex(c.body), `octets differ:\n ours ${hex}\n them ${toHex(c.body)}`);
  const back = c.reader.readMessage(Buffer.concat([c.header, Buffer.from(hex, 'hex')]));
  same(c.msg, back, 'msg');
}));

// Non-ASCII text, written by the peer, read by foxglove.
const unicode = spawnSync(args.peer, ['--unicode']);
assert.equal(unicode.status, 0, `peer failed: ${unicode.stderr}`);
const lines = unicode.stdout.toString().trim().split('\n').map((l) => l.split(' '));
const text = Buffer.from(lines[0][1], 'hex').toString('utf8');
const readOurs = (id, hex) => {
  const [pkg, , name] = id.split('/');
  return new MessageReader(definitionsOf(`${pkg}/${name}`))
    .readMessage(Buffer.concat([Buffer.from([0, 1, 0, 0]), Buffer.from(hex, 'hex')]));
};
check('non-ASCII MapMark_Request', () => {
  const msg = readOurs(lines[1][0], lines[1][1]);
  assert.equal(msg.mark_name, text);
  assert.equal(msg.enable, true);
  assert.equal(msg.mark_zones.length, 1);
});
check('non-ASCII MultiPaths', () => {
  const msg = readOurs(lines[2][0], lines[2][1]);
  assert.equal(msg.header.frame_id, text);
  assert.equal(msg.uuid, text + text);
  assert.equal(msg.paths[1].nav_path.header.frame_id, text);
});

console.log(`cdr interop: ${cases.length} encodings of ${pelorinTypes.length} types`);
console.log(`${passed} passed, ${failed} failed`);
process.exit(failed === 0 ? 0 : 1);
