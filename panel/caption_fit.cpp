#include "panel/caption_fit.h"

#include <algorithm>
#include <numeric>

#include "common/settings_table.h"
#include "panel/settings_layout.h"

namespace quillmere::layout {
namespace {

int Right(const TwipsRect& rect) { return rect.left + rect.width; }

// Where the box stands as designed.
const TwipsRect& Designed(int box) { return SettingOfBox(box).place; }
int Middle(const TwipsRect& rect) { return rect.top + rect.height / 2; }

// Each one's middle lies within the other's height: their captions stand on one line. (Box 11
// reaches a pixel into the first row of tab boxes without sharing their line.)
bool SameRow(const TwipsRect& a, const TwipsRect& b) {
  const auto within = [](int y, const TwipsRect& r) { return y >= r.top && y < r.top + r.height; };
  return within(Middle(a), b) && within(Middle(b), a);
}

// Widens to the right and heightens about the middle, so the caption stays on its designed line,
// until the control covers the pixels its caption needs. A twip at a time: edges round to pixels.
void Fit(TwipsRect& rect, PixelSize need, int dpi) {
  while (TwipsToPixels(rect, dpi).width < need.width) ++rect.width;
  while (TwipsToPixels(rect, dpi).height < need.height) {
    --rect.top;
    rect.height += 2;
  }
}

// Keeps a container's designed margin right of its content.
int CoveringWidth(int designedWidth, int designedContentRight, int contentRight) {
  return std::max(designedWidth, contentRight + designedWidth - designedContentRight);
}

// Boxes with one designed left edge form a column and move together, as far right as keeps the
// column's narrowest designed gap to the boxes left of it on the same lines.
void FitBoxes(SettingsLayout& layout, const CaptionNeeds& needs, int dpi) {
  std::array<int, kBoxCount> order;
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [](int a, int b) { return Designed(a).left < Designed(b).left; });
  for (auto column = order.begin(); column != order.end();) {
    const int left = Designed(*column).left;
    const auto end = std::find_if(column, order.end(), [&](int box) { return Designed(box).left != left; });
    const auto forNeighbours = [&](auto visit) {
      for (auto member = column; member != end; ++member) {
        for (auto before = order.begin(); before != column; ++before) {
          const TwipsRect& designed = Designed(*before);
          if (Right(designed) <= left && SameRow(designed, Designed(*member))) visit(*before);
        }
      }
    };
    int gap = left;
    forNeighbours([&](int before) { gap = std::min(gap, left - Right(Designed(before))); });
    int shift = 0;
    forNeighbours([&](int before) { shift = std::max(shift, Right(layout.boxes[before]) + gap - left); });
    for (auto member = column; member != end; ++member) {
      layout.boxes[*member].left += shift;
      Fit(layout.boxes[*member], needs.boxes[*member], dpi);
    }
    column = end;
  }
}

// "Format" stays centred below the two columns of the other tab boxes, never left of them.
void CentreFormatBox(SettingsLayout& layout, int dpi, const CaptionNeeds& needs) {
  int designedLeft = kClientWidth, designedRight = 0, left = kClientWidth, right = 0;
  for (const Setting* tab : kTabSettings) {
    if (tab == &kFormat) continue;
    designedLeft = std::min(designedLeft, tab->place.left);
    designedRight = std::max(designedRight, Right(tab->place));
    left = std::min(left, layout.boxes[tab->box].left);
    right = std::max(right, Right(layout.boxes[tab->box]));
  }
  const int offset = kFormat.place.left + kFormat.place.width / 2 - (designedLeft + designedRight) / 2;
  TwipsRect& format = layout.boxes[kFormat.box];
  format.left = std::max(left, (left + right) / 2 + offset - format.width / 2);
  Fit(format, needs.boxes[kFormat.box], dpi);
}

}  // namespace

CaptionNeeds MeasureCaptions(const PanelCaptions& captions, const MeasureCaption& measure) {
  CaptionNeeds needs;
  for (int box = 0; box < kBoxCount; ++box) needs.boxes[box] = measure(CaptionControl::CheckBox, captions.boxes[box]);
  for (std::string_view tab : captions.tabs) {
    const PixelSize item = measure(CaptionControl::TabItem, tab);
    needs.tabStrip.width += item.width;
    needs.tabStrip.height = std::max(needs.tabStrip.height, item.height);
  }
  needs.websiteCaption = measure(CaptionControl::Label, captions.website);
  needs.websiteLink = measure(CaptionControl::Link, captions.link);
  needs.versionLabel = measure(CaptionControl::Label, captions.version);
  needs.okButton = measure(CaptionControl::Button, captions.ok);
  needs.cancelButton = measure(CaptionControl::Button, captions.cancel);
  return needs;
}

SettingsLayout DesignedLayout() {
  SettingsLayout layout{kClientWidth, kClientHeight, kTabs,           kPowerPointFrame, kAboutFrame, kTabBoxOutline,
                        kTitleLabel,  kVersionLabel, kWebsiteCaption, kWebsiteLink,     kOkButton,   kCancelButton};
  for (const Setting& setting : kSettings) layout.boxes[setting.box] = setting.place;
  std::copy(std::begin(kSeparator), std::end(kSeparator), layout.separator.begin());
  return layout;
}

SettingsLayout FitCaptions(const CaptionNeeds& needs, int dpi) {
  SettingsLayout layout = DesignedLayout();

  // The PowerPoint tab: boxes, the outline round the tab boxes and the box on its edge, the frame.
  FitBoxes(layout, needs, dpi);
  CentreFormatBox(layout, dpi, needs);
  int outlined = 0, designedOutlined = 0, content = 0, designedContent = 0;
  for (const Setting& setting : kSettings) {
    content = std::max(content, Right(layout.boxes[setting.box]));
    designedContent = std::max(designedContent, Right(setting.place));
    // The outline holds the tab boxes, with the master switch on its edge.
    if (!HidesATab(setting) && &setting != &kHideTabs) continue;
    outlined = std::max(outlined, Right(layout.boxes[setting.box]));
    if (&setting != &kHideTabs) designedOutlined = std::max(designedOutlined, Right(setting.place));
  }
  layout.tabBoxOutline.width =
      CoveringWidth(kTabBoxOutline.width, designedOutlined - kTabBoxOutline.left, outlined - kTabBoxOutline.left);
  layout.powerPointFrame.width =
      CoveringWidth(kPowerPointFrame.width, designedContent, std::max(content, Right(layout.tabBoxOutline)));

  // The About tab: the link keeps its distance right of its caption.
  const auto aboutContentRight = [](const SettingsLayout& about) {
    return std::max({Right(about.titleLabel), Right(about.versionLabel), Right(about.websiteLink),
                     about.separator[0].x2, about.separator[1].x2});
  };
  Fit(layout.websiteCaption, needs.websiteCaption, dpi);
  layout.websiteLink.left += Right(layout.websiteCaption) - Right(kWebsiteCaption);
  Fit(layout.websiteLink, needs.websiteLink, dpi);
  Fit(layout.versionLabel, needs.versionLabel, dpi);
  layout.aboutFrame.width =
      CoveringWidth(kAboutFrame.width, aboutContentRight(DesignedLayout()), aboutContentRight(layout));

  // The tab control round both frames, its items in one row; then both frames fill it again.
  layout.tabs.width = std::max({CoveringWidth(kTabs.width, Right(kPowerPointFrame), Right(layout.powerPointFrame)),
                                CoveringWidth(kTabs.width, Right(kAboutFrame), Right(layout.aboutFrame))});
  Fit(layout.tabs, {needs.tabStrip.width, 0}, dpi);
  const int tabsGrowth = layout.tabs.width - kTabs.width;
  layout.powerPointFrame.width = std::max(layout.powerPointFrame.width, kPowerPointFrame.width + tabsGrowth);
  layout.aboutFrame.width = std::max(layout.aboutFrame.width, kAboutFrame.width + tabsGrowth);
  // What spans the About frame stays centred in it.
  const int aboutGrowth = layout.aboutFrame.width - kAboutFrame.width;
  layout.titleLabel.width += aboutGrowth;
  layout.versionLabel.width = std::max(layout.versionLabel.width, kVersionLabel.width + aboutGrowth);
  for (LineDesign& line : layout.separator) line.x2 += aboutGrowth;

  // A taller tab strip moves both frames down; the tab control, the buttons below it and the
  // window grow by as much.
  while (TwipsToPixels(layout.powerPointFrame.top, dpi) < needs.tabStrip.height) ++layout.powerPointFrame.top;
  const int lower = layout.powerPointFrame.top - kPowerPointFrame.top;
  layout.aboutFrame.top += lower;
  layout.tabs.height += lower;
  layout.okButton.top += lower;
  layout.cancelButton.top += lower;

  // OK and Cancel keep their distance and stay flush with the tab control's right edge.
  Fit(layout.okButton, needs.okButton, dpi);
  Fit(layout.cancelButton, needs.cancelButton, dpi);
  layout.cancelButton.left = Right(layout.tabs) - layout.cancelButton.width;
  layout.okButton.left = layout.cancelButton.left - (kCancelButton.left - Right(kOkButton)) - layout.okButton.width;
  Fit(layout.okButton, needs.okButton, dpi);
  Fit(layout.cancelButton, needs.cancelButton, dpi);

  layout.clientWidth = CoveringWidth(kClientWidth, Right(kTabs), Right(layout.tabs));
  layout.clientHeight = std::max(kClientHeight, std::max(layout.okButton.top + layout.okButton.height,
                                                         layout.cancelButton.top + layout.cancelButton.height) +
                                                    kClientHeight - (kOkButton.top + kOkButton.height));
  return layout;
}

}  // namespace quillmere::layout
