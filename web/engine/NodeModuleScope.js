// Node loads the engine as an ES module, which has neither __dirname nor
// require, yet the Emscripten runtime expects both under node. Node callers
// pass the .wasm as wasmBinary, so no file is looked up next to the module.
var __dirname = "";
var require = typeof process == "object" && process.getBuiltinModule ? process.getBuiltinModule : undefined;
