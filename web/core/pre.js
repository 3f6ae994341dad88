// SPDX-License-Identifier: GPL-3.0-or-later
// JavaScript around the core's bindings (web/core/Bindings.cpp).

// The browser's JSON parser for imports (web/core/WebJsonImport.cpp): a syntax error comes back
// as its message.
Module["parseJsonText"] = function (text) {
  try {
    return { value: JSON.parse(text) };
  } catch (e) {
    return { error: String(e && e.message) };
  }
};

Module["postRun"] = [].concat(Module["postRun"] || [], function () {
  // The core's numbers as a plain object.
  Module["constants"] = Module["coreConstants"]();
  // Bound functions take exactly their arguments: the optional ones of web/src/core-api.ts are
  // passed on as undefined.
  // (Written for the optimizer of Debian's Emscripten, which reads no destructuring.)
  var optional = {
    RadioDocument: { captions: 1, caption: 4, message: 2 },
    Transfer: { start: 3 },
  };
  Object.keys(optional).forEach(function (className) {
    var proto = Module[className].prototype;
    Object.keys(optional[className]).forEach(function (name) {
      var count = optional[className][name];
      var bound = proto[name];
      proto[name] = function () {
        var args = Array.prototype.slice.call(arguments, 0, count);
        args.length = count;
        return bound.apply(this, args);
      };
    });
  });
});
