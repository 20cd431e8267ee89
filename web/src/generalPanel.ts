import type { Engine, GeneralSettings } from "../engine/engine";
import { h } from "./dom";
import type { Texts } from "./texts";

type Field = keyof GeneralSettings;
const FIELDS: { field: Field; label: string; name: string }[] = [
  { field: "model", label: "Model", name: "cboGenModel" },
  { field: "band", label: "BandFrequency", name: "cboGenFreq" },
  { field: "power", label: "PowerLevel", name: "cboGenPower" },
  { field: "manual", label: "Manual", name: "cboGenManual" },
];

// The General panel: model, band, power level and "Manual" as four lists.
// A choice is handed to `chosen`; show() puts the document's values back.
export class GeneralPanel {
  readonly element: HTMLFieldSetElement;
  private readonly legend = h("legend");
  private readonly labels = new Map<Field, HTMLLabelElement>();
  private readonly selects = new Map<Field, HTMLSelectElement>();

  constructor(private readonly engine: Engine, private readonly texts: Texts,
              chosen: (field: Field, index: number) => void) {
    this.element = h("fieldset", { class: "general-panel" }, this.legend);
    for (const { field, name } of FIELDS) {
      const select = h("select", { id: name });
      const label = h("label", { for: name });
      select.addEventListener("change", () => chosen(field, select.selectedIndex));
      this.labels.set(field, label);
      this.selects.set(field, select);
      this.element.append(h("span", { class: "general-field" }, label, select));
    }
    this.relabel();
  }

  relabel(): void {
    this.legend.textContent = this.texts.t("General");
    for (const { field, label } of FIELDS) this.labels.get(field)!.textContent = this.texts.t(label);
    const entries: Record<Field, string[]> = {
      model: this.engine.models(),
      band: this.engine.bands().map((band) => band.text),
      power: this.engine.powerLevels(),
      manual: this.engine.manualChoices(),
    };
    for (const [field, select] of this.selects) {
      const index = select.selectedIndex;
      select.replaceChildren(...entries[field].map((text) => h("option", { text })));
      select.selectedIndex = index;
    }
  }

  show(settings: GeneralSettings): void {
    for (const [field, select] of this.selects) select.selectedIndex = settings[field];
  }
}
