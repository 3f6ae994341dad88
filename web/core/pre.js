// SPDX-License-Identifier: GPL-3.0-or-later
// JavaScript around the core's bindings (web/core/Bindings.cpp).

// A text of the browser's JSON parser for the core (web/core/BrowserJsonParser.cpp): a lone
// surrogate of a \u escape becomes "?", as Qt's parser gives it in the window program.
Module["jsonText"] = function (text) {
  if (!/[\uD800-\uDFFF]/.test(text)) return text;
  var out = "";
  for (var i = 0; i < text.length; i++) {
    var c = text.charCodeAt(i);
    var next = i + 1 < text.length ? text.charCodeAt(i + 1) : 0;
    if (c >= 0xd800 && c <= 0xdbff && next >= 0xdc00 && next <= 0xdfff) {
      out += text.substr(i, 2);
      i++;
    } else {
      out += c >= 0xd800 && c <= 0xdfff ? "?" : text.charAt(i);
    }
  }
  return out;
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
