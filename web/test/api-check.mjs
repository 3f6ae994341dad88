// SPDX-License-Identifier: GPL-3.0-or-later
// The page's declarations of the core (web/src/core-api.ts) against what the WebAssembly core
// binds (ctest web_api): every member a declared class has, the core has, and the other way
// round, so that the page can call nothing the core lacks and the core carries nothing unused.
//   node web/test/api-check.mjs --web build-web --api web/src/core-api.ts
import assert from "node:assert/strict";
import { readFileSync } from "node:fs";
import { join, resolve } from "node:path";
import { createRequire } from "node:module";
import { parseArgs } from "node:util";

const { values: options } = parseArgs({ options: { web: { type: "string" }, api: { type: "string" } } });
const require = createRequire(import.meta.url);
const createTlvCore = require(resolve(join(options.web, "tlv6200-core.js")));
const core = await createTlvCore({ wasmBinary: readFileSync(join(options.web, "tlv6200-core.wasm")) });

// The members of an interface of core-api.ts: "name(" or "name<" at the start of a line.
const source = readFileSync(options.api, "utf8");
function declared(name) {
  const start = source.indexOf(`export interface ${name} {`);
  assert.notEqual(start, -1, `core-api.ts declares no ${name}`);
  const body = source.slice(start, source.indexOf("\n}", start));
  return new Set([...body.matchAll(/^ {2}(\w+)[(<]/gm)].map((m) => m[1]));
}

// What embind gives every class; not the core's own.
const embind = new Set(["constructor", "clone", "delete", "deleteLater", "isAliasOf", "isDeleted"]);
function bound(className) {
  assert.ok(core[className], `the core binds no class ${className}`);
  return new Set(Object.getOwnPropertyNames(core[className].prototype).filter((name) => !embind.has(name)));
}

let failed = 0;
for (const [declaredAs, className] of [["RadioDocument", "RadioDocument"], ["Flow", "Flow"], ["Transfer", "Transfer"]]) {
  const page = declared(declaredAs);
  page.delete("delete");
  const coreMembers = bound(className);
  const missing = [...page].filter((name) => !coreMembers.has(name));
  const unused = [...coreMembers].filter((name) => !page.has(name));
  if (missing.length || unused.length) {
    failed += 1;
    console.log(`${className}: declared but not bound: ${missing.join(", ") || "-"}; bound but not declared: ${unused.join(", ") || "-"}`);
  }
}
for (const name of declared("Core")) {
  if (name === "constants") continue;
  if (typeof core[name] !== "function") {
    failed += 1;
    console.log(`Core: ${name} is declared but not bound`);
  }
}
console.log(failed ? `${failed} differ` : "the declarations and the bindings agree");
process.exit(failed ? 1 : 0);
