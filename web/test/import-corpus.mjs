// SPDX-License-Identifier: GPL-3.0-or-later
// The import corpus (tests/data/imports) through the web edition's core under Node: every file,
// imported onto the start-up editor in English, gives the findings and the memory image that
// expected.txt holds, as the core with Qt's JSON parser and tlv6200-cli give them
// (tests/support/ImportCorpus.h describes the form).
//   node web/test/import-corpus.mjs --core build-web-core --data tests/data/imports
import { readFileSync, readdirSync } from "node:fs";
import { createRequire } from "node:module";
import { join, resolve } from "node:path";

const argument = (name) => process.argv[process.argv.indexOf(name) + 1];
const coreFolder = resolve(argument("--core"));
const dataFolder = resolve(argument("--data"));

const createTlvCore = createRequire(import.meta.url)(join(coreFolder, "tlv6200-core.js"));
const core = await createTlvCore({ wasmBinary: readFileSync(join(coreFolder, "tlv6200-core.wasm")) });

// The blocks of expected.txt by file name.
const expected = new Map();
let name = null;
for (const line of readFileSync(join(dataFolder, "expected.txt"), "utf8").split("\n")) {
  if (line.startsWith("== ")) expected.set((name = line.slice(3)), "");
  else if (name !== null && line !== "") expected.set(name, expected.get(name) + line + "\n");
}

const issueText = (issue) => (issue.where ? `${issue.where}: ${issue.message}` : issue.message);
let failures = 0;
const files = readdirSync(dataFolder).filter((file) => /\.(csv|json)$/i.test(file)).sort();
for (const file of files) {
  const options = { renumber: file.includes(".renumber.") };
  const band = /\.band([0-9])\./.exec(file);
  if (band) options.band = Number(band[1]);
  const format = file.toLowerCase().endsWith(".csv") ? "csv" : "json";
  const result = core.importOntoStartupEditor(new Uint8Array(readFileSync(join(dataFolder, file))), format, options);
  let block = "";
  for (const note of result.notes) block += `note: ${issueText(note)}\n`;
  for (const error of result.errors) block += `error: ${issueText(error)}\n`;
  if (result.image !== null) {
    block += "image:\n";
    for (let offset = 0; offset < result.image.length; offset += 32)
      block += `${offset.toString(16).padStart(4, "0")} ${Buffer.from(result.image.subarray(offset, offset + 32)).toString("hex")}\n`;
  }
  if (block !== expected.get(file)) {
    failures++;
    console.log(`FAIL ${file}\n--- expected\n${expected.get(file) ?? "(not in expected.txt)\n"}--- found\n${block}`);
  }
}
if (files.length !== expected.size) {
  failures++;
  console.log(`FAIL ${files.length} files, ${expected.size} blocks in expected.txt`);
}
console.log(`${files.length} import files, ${failures} failures`);
process.exit(failures ? 1 : 0);
