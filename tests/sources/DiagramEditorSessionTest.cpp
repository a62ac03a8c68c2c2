// A drawing taken back from a session: handed over exactly as recorded, shown on this plot's
// pixel columns, and what an unprocessed closing goes back to.
#include <cstring>

#include "EditorTestSupport.h"
#include "numerics/Keeper.h"

namespace {
bool SameBits(const std::vector<double>& a, const std::vector<double>& b) {
  return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(double)) == 0;
}
}  // namespace

TEST_F(TEditorTest, SessionDrawingIsHandedOverAsRecorded) {
  Click(At(3, 0.5));
  Click(At(6, -0.25));
  Editor.SpeedButtonInputClick();
  const TDrawingRecord drawn = Editor.Drawing();
  ASSERT_GT(drawn.Samples.size(), 100u);
  // The same drawing, and one drawn on a plot of half the width (every other column).
  TDrawingRecord narrow = drawn;
  narrow.Samples.clear();
  for (size_t i = 0; i < drawn.Samples.size(); i += 2) narrow.Samples.push_back(drawn.Samples[i] + 0.125);
  for (const TDrawingRecord* record : {&drawn, static_cast<const TDrawingRecord*>(&narrow)}) {
    Editor.hide();
    ASSERT_TRUE(Editor.TakeDrawing(*record));
    EXPECT_TRUE(SameBits(Drawn(), record->Samples));
    EXPECT_EQ(Editor.GetSignal()->GetXmax(), record->XLast);
    Editor.show();
    QApplication::processEvents();
    // Shown on this plot: as recorded where it was drawn on it, else one sample per column.
    if (record == &drawn)
      EXPECT_TRUE(SameBits(Drawn(), drawn.Samples));
    else
      EXPECT_NEAR(double(Drawn().size()), double(drawn.Samples.size()), 1);
    EXPECT_NEAR(Drawn()[40], record == &drawn ? drawn.Samples[40] : drawn.Samples[40] + 0.125, 1e-3);
    // Closing without processing hands the recorded drawing over again.
    Click(At(9, 0.75));
    AnswerQuestion(true, false);
    Editor.SpeedButtonCloseClick();
    EXPECT_TRUE(SameBits(Drawn(), record->Samples));
    EXPECT_EQ(Editor.GetSignal()->GetXmax(), record->XLast);
  }
  // Drawn on, it is the pen's drawing again.
  Editor.show();
  Click(At(8.5, 0.5));
  Editor.SpeedButtonInputClick();
  EXPECT_NEAR(Editor.GetSignal()->GetXmax(), 8.5, Editor.PixelStep());
  // A drawing the store or the plot cannot hold is refused and changes nothing.
  const TDrawingRecord now = Editor.Drawing();
  TDrawingRecord tooLong = drawn, backwards = drawn, tooWide = drawn;
  tooLong.Samples.resize(size_t(Editor.GetCapacity()) + 1);
  backwards.XLast = drawn.Xmin - 1;
  tooWide.Xmax = 1e6;
  for (const TDrawingRecord* refused : {&tooLong, &backwards, &tooWide}) {
    EXPECT_FALSE(Editor.TakeDrawing(*refused));
    EXPECT_TRUE(SameBits(Drawn(), now.Samples));
    EXPECT_EQ(D.GetXmax(), now.Xmax);
  }
}
