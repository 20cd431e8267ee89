// A test double of the Web Serial API, shaped as the standard one:
// navigator.serial with getPorts, requestPort and connect/disconnect events;
// ports with getInfo, open, setSignals, readable and writable streams, close
// and a disconnect event. A port's bytes travel over a WebSocket to the test's
// bridge, which holds the simulated radio's pseudo-terminal. Installed before
// the page runs; the test drives it through window.__serialDouble.
(() => {
  const granted = [];
  let offered = null;
  const log = []; // { what: "open" | "signals" | "write" | "close", ..., t }
  const arrivals = []; // { n, t }: each message from the bridge as the page gets it
  const now = () => performance.now();
  const invalid = (text) => new DOMException(text, "InvalidStateError");
  const lost = () => new DOMException("The device has been lost.", "NetworkError");

  class DoublePort extends EventTarget {
    constructor(info, url) {
      super();
      this.info = info;
      this.url = url;
      this.socket = null;
      this.readable = null;
      this.writable = null;
      this.gone = false;
    }

    getInfo() {
      return { ...this.info };
    }

    async open(options) {
      if (this.socket) throw invalid("The port is already open.");
      if (this.gone) throw lost();
      if (!options || !Number.isInteger(options.baudRate) || options.baudRate <= 0) throw new TypeError("baudRate required");
      const socket = new WebSocket(this.url);
      socket.binaryType = "arraybuffer";
      await new Promise((resolve, reject) => {
        socket.onopen = resolve;
        socket.onerror = () => reject(new DOMException("Failed to open serial port.", "NetworkError"));
      });
      log.push({ what: "open", options: { ...options }, t: now() });
      this.socket = socket;
      this.readable = new ReadableStream({
        start: (controller) => {
          socket.onmessage = (event) => {
            arrivals.push({ n: event.data.byteLength, t: now() });
            controller.enqueue(new Uint8Array(event.data));
          };
          socket.onclose = (event) => {
            if (event.code !== 4001) return;
            controller.error(lost());
            this.unplugged();
          };
        },
      });
      this.writable = new WritableStream({
        write: (chunk) => {
          if (socket.readyState !== WebSocket.OPEN) throw lost();
          log.push({ what: "write", bytes: Array.from(chunk), t: now() });
          socket.send(chunk);
        },
      });
    }

    async setSignals(signals) {
      if (!this.socket) throw invalid("The port is closed.");
      log.push({ what: "signals", signals: { ...signals }, t: now() });
    }

    async close() {
      if (!this.socket) throw invalid("The port is already closed.");
      if (this.readable?.locked || this.writable?.locked) throw new TypeError("Cannot cancel a locked stream");
      log.push({ what: "close", t: now() });
      this.socket.onclose = null;
      this.socket.close();
      this.socket = null;
      this.readable = null;
      this.writable = null;
    }

    unplugged() {
      this.gone = true;
      this.socket = null;
      const at = granted.indexOf(this);
      if (at >= 0) granted.splice(at, 1);
      this.dispatchEvent(new Event("disconnect"));
      serial.dispatchEvent(new Event("disconnect"));
    }
  }

  class DoubleSerial extends EventTarget {
    async getPorts() {
      return granted.slice();
    }

    async requestPort() {
      if (!navigator.userActivation?.isActive) throw new DOMException("Must be handling a user gesture to show a permission request.", "SecurityError");
      if (!offered) throw new DOMException("No port selected by the user.", "NotFoundError");
      const port = offered;
      offered = null;
      if (!granted.includes(port)) granted.push(port);
      return port;
    }
  }

  const serial = new DoubleSerial();
  Object.defineProperty(Navigator.prototype, "serial", { get: () => serial, configurable: true });
  window.__serialDouble = {
    log,
    arrivals,
    // The port the browser's chooser will return next.
    offer(info, url) {
      offered = new DoublePort(info, url);
    },
    // A port the site was allowed before, plugged in now.
    plug(info, url) {
      const port = new DoublePort(info, url);
      granted.push(port);
      serial.dispatchEvent(new Event("connect"));
    },
  };
})();
