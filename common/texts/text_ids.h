#pragma once

// The names of the product's texts. A text is asked for by its id and a language
// (common/texts/product_texts.h, common/texts/policy_texts.h); the tables themselves are seen only
// by the files that hold them.

#include <cstddef>
#include <cstdint>

namespace quillmere {

enum class TextId : std::uint16_t {
  // The Classic tab. Menu names are those the classic menu bar had in each language.
  TabClassic,
  GroupToolsPanel,
  MenuAll,
  MenuFile,
  MenuEdit,
  MenuView,
  MenuInsert,
  MenuFormat,
  MenuTools,
  MenuSlideShow,
  MenuWindows,
  MenuHelp,
  SubmenuMaster,
  SubmenuColorGrayscale,
  SubmenuComments,
  SubmenuIllustrations,
  SubmenuAlignment,
  SubmenuMacro,
  SubmenuControls,
  SubmenuTransition,
  ButtonUninstall,
  ButtonUninstallTip,
  ButtonAbout,
  // The About window and the control panel's About tab and buttons.
  About,
  Website,
  Ok,
  Cancel,
  AboutVersion,  // followed by the version number
  // The uninstall message: the instruction, then the Start menu path up to the product's folder.
  UninstallInstruction,
  UninstallStartMenu,
  // The control panel.
  PanelVersion,  // followed by the version number
  PanelLocked,
  PanelLockedUnreadable,
  WrongBuildNotice,
  ErrorTitle,
  ErrorAtLine,   // between the failing handler and its step number
  ErrorRequest,  // followed by the support address
  // The control panel's boxes.
  BoxClassic,
  BoxLeft,
  BoxAll,
  BoxHome,
  BoxInsert,
  BoxDesign,
  BoxAnimations,
  BoxView,
  BoxReview,
  BoxSlideShow,
  BoxDeveloper,
  BoxHideTabs,
  BoxFormat,
  // Not a text: a row of the catalogue without a product text. Text() gives it empty text.
  None,
};
inline constexpr std::size_t kTextCount = static_cast<std::size_t>(TextId::None);

// The texts of the Group Policy templates, a table of their own: only the templates' generator
// links it. Each "{}" in DependsOn stands for the other setting's title, in CommonExplanation for
// TextId::PanelLocked.
enum class PolicyTextId : std::uint16_t {
  Description,
  SupportedOn,
  DependsOn,
  CommonExplanation,
  TitleClassic,
  TitleLeft,
  TitleAll,
  TitleHome,
  TitleInsert,
  TitleDesign,
  TitleAnimations,
  TitleView,
  TitleReview,
  TitleSlideShow,
  TitleDeveloper,
  TitleHideTabs,
  TitleFormat,
  ExplainClassic,
  ExplainLeft,
  ExplainAll,
  ExplainHome,
  ExplainInsert,
  ExplainDesign,
  ExplainAnimations,
  ExplainView,
  ExplainReview,
  ExplainSlideShow,
  ExplainDeveloper,
  ExplainHideTabs,
  ExplainFormat,
};
inline constexpr std::size_t kPolicyTextCount = static_cast<std::size_t>(PolicyTextId::ExplainFormat) + 1;

}  // namespace quillmere
