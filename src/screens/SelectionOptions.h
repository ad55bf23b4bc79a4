#pragma once
// The options "All", "Some" and "None" of a picked group or component, as
// they follow from its weight in the selection tables: 1 All, 0 None, any
// other weight "Some", which is offered only while it is chosen.
namespace kelca {

enum class SelectionOption { Unset = -1, All = 0, Some = 1, None = 2 };

struct OptionState {
  bool Enabled = false;      // All and None can be chosen (a line is picked)
  bool SomeEnabled = false;  // "Some"
  SelectionOption Chosen = SelectionOption::Unset;
};

inline OptionState OptionsOf(bool picked, float weight) {
  if (!picked) return {};
  if (weight == 1) return {true, false, SelectionOption::All};
  if (weight == 0) return {true, false, SelectionOption::None};
  return {true, true, SelectionOption::Some};
}

}  // namespace kelca
