// The module that em++ makes from bindings.cpp (ES module, WebAssembly
// inlined). Only what index.ts uses.
export interface TolmerWasm {
  HEAPU8: Uint8Array;
  _tw_input(size: number): number;
  _tw_parse(size: number, flags: number, defaultUnit: number): number;
  _tw_format(inches: number, system: number, format: number, fraction: number,
    denominator: number, decimals: number): number;
  _tw_validate(size: number, minimum: number, maximum: number, system: number, format: number,
    fraction: number, denominator: number, decimals: number, flags: number,
    defaultUnit: number): number;
  _tw_convert(value: number, from: number, to: number): number;
  _tw_scale_ratio(system: number, part: number, index: number): number;
  _tw_scale_index(system: number, numerator: number, denominator: number): number;
  _tw_inches_per_foot(numerator: number, denominator: number): number;
  _tw_nearest_scale(system: number, scale: number): number;
  _tw_standard_scale_count(family: number): number;
  _tw_standard_scale(family: number, index: number): number;
  _tw_nearest_standard_scale(family: number, ratio: number): number;
  _tw_parse_scale(size: number): number;
  _tw_format_scale(numerator: number, denominator: number, notation: number): number;
  _tw_standard_paper_count(): number;
  _tw_standard_paper(index: number): number;
  _tw_standard_paper_by_name(size: number): number;
  _tw_standard_papers_of_size(width: number, height: number, unit: number): number;
  _tw_standard_match(index: number): number;
  _tw_paper_upper_bound(): number;
  _tw_paper(index: number): number;
  _tw_paper_by_name(size: number): number;
  _tw_paper_by_size(system: number, width: number, height: number): number;
  _tw_category_description(category: number, subCategory: number): number;
  _tw_item_name(category: number, subCategory: number, itemType: number, plural: number): number;
  _tw_sub_item_name(category: number, subCategory: number, itemType: number,
    subItemType: number): number;
  _tw_library_name(category: number, subCategory: number, itemType: number): number;
  _tw_is_valid_library_name(size: number): number;
  _tw_wire_type_description(type: number): number;
  _tw_drawing_tool_description(type: number): number;
}
declare function createTolmerModule(): Promise<TolmerWasm>;
export default createTolmerModule;
