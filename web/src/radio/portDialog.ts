import { openDialog } from "../dialogs";
import { h } from "../dom";
import { type Texts, withoutAccessKey } from "../texts";
import { choiceFor, describeChoice, type PortChoice, portFor } from "./portChoice";
import type { Serial, SerialPort } from "./webSerial";

interface Option {
  choice: PortChoice;
  label: string;
}

function same(a: PortChoice, b: PortChoice): boolean {
  return JSON.stringify(a) === JSON.stringify(b);
}

// Setup > Communication Port: the serial ports this site may use, "Choose a
// serial port..." (the browser's chooser, from the click), and the demo
// radio. Without Web Serial the serial choices are disabled with the reason.
// The chosen port, or null for Cancel.
export async function portDialog(texts: Texts, serial: Serial | null, current: PortChoice): Promise<PortChoice | null> {
  let selected: PortChoice = current;
  const list = h("div", { class: "port-list", role: "radiogroup", "aria-label": texts.t("CommunicationPort") });
  const chooser = h("button", { type: "button", class: "port-request", text: texts.t("ChooseSerialPort") });
  const note = h("p", { class: "port-note", hidden: serial !== null });

  const render = async (): Promise<void> => {
    const ports: SerialPort[] = serial ? await serial.getPorts().catch(() => []) : [];
    const options: Option[] = ports.map((port) => {
      const choice = choiceFor(port, ports);
      return { choice, label: describeChoice(texts, choice) };
    });
    if (current.kind === "serial" && !portFor(current, ports))
      options.push({ choice: current, label: texts.t("PortUnplugged").replace("%1", describeChoice(texts, current)) });
    options.push({ choice: { kind: "demo" }, label: texts.t("DemoRadio") });
    list.replaceChildren(...options.map((option, index) => {
      const id = `port-option-${index}`;
      const radio = h("input", { type: "radio", name: "port", id });
      radio.checked = same(option.choice, selected);
      radio.disabled = option.choice.kind === "serial" && !serial;
      radio.addEventListener("change", () => { if (radio.checked) selected = option.choice; });
      return h("div", { class: "form-row check" }, radio, h("label", { for: id, text: option.label }));
    }));
  };

  if (serial) {
    chooser.addEventListener("click", () => {
      // The browser's chooser opens only from the click itself.
      serial.requestPort().then(async (port) => {
        selected = choiceFor(port, await serial.getPorts());
        await render();
      }, () => { /* closed without a choice */ });
    });
  } else {
    chooser.disabled = true;
    note.textContent = texts.t("NoWebSerial");
  }
  await render();
  const answer = await openDialog({
    title: texts.t("CommunicationPort"),
    className: "port-dialog",
    body: () => [h("div", { class: "radio-group port-group" }, list, chooser), note],
    buttons: [
      { value: "ok" as const, label: withoutAccessKey(texts.t("Ok")), primary: true },
      { value: "cancel" as const, label: withoutAccessKey(texts.t("Cancel")) },
    ],
    escape: "cancel",
  });
  return answer === "ok" ? selected : null;
}
