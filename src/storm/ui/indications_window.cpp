#include "storm/ui/indications_window.h"

#include <QFontDatabase>
#include <QPlainTextEdit>

#include "storm/ui/storm_fields.h"

namespace veltrane {

TIndicationsForm::TIndicationsForm(AppContext& ctx) : FormBase(ctx, "IndicationForm", "Early Indications") {
  CreateContents();
}

void TIndicationsForm::BuildContents() {
  QPlainTextEdit* memo = ReadOnlyMemo(this);
  // A fixed-pitch font keeps the continuation lines under their item.
  memo->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  for (const char* line : {"     EARLY INDICATIONS OF TROPICAL CYCLONES",
                           " 1. Unsteady barometer, sometimes a little higher than usual.",
                           " 2. A long swell not caused by local winds.",
                           " 3. Sky becoming overcast with a cirrus haze, not clearing away",
                           "     at the sunset. Becomes more dense until the dark mass of the",
                           "     hurricane clouds appears upon the horizon.",
                           " 4. Fine mistlike rain, later occasional showers increasing in",
                           "     frequency, near the center of the cyclone it falls in torrents."})
    memo->appendPlainText(line);
  memo->setMinimumSize(560, 200);
  setCentralWidget(memo);
  AddMenuAction("Close1", "&Close Form", [this] { close(); });
  AddMenuAction("Print1", "&Print", [this] { PrintForm(); });
  CloseOnEscape();
}

}  // namespace veltrane
