// CDateContent: a date as three columns of one row: the day in an edit, the
// month in a combo, the year in an edit.
#pragma once

#include "hybrid/contents/content_base.h"
#include "hybrid/interfaces/content_interfaces.h"
#include "hybrid/interfaces/ihybrid_heading.h"

namespace scalewright {

class CDateContent final : public CContentBase<IHybridDate> {
 public:
  static constexpr int kDayWidth = 30;
  static constexpr int kMonthWidth = 90;
  static constexpr int kYearWidth = 50;

  explicit CDateContent(IHybridCtrl* ctrl) : CContentBase(ctrl) {}

  char GetKind() override { return 'd'; }
  void SetCell(IHybridCell* cell) override;
  void Init() override;
  int GetNaturalWidth() override { return kDayWidth + kMonthWidth + kYearWidth; }

  bool SetDate(int year, int month, int day) override;
  void GetDate(int* year, int* month, int* day) override;

  static bool IsValidDate(int year, int month, int day);

 private:
  ~CDateContent() override = default;
  void Show();

  int m_year = 2000;
  int m_month = 1;
  int m_day = 1;
  RefPtr<IHybridHeading> m_heading;
  RefPtr<IHybridEdit> m_dayEdit;
  RefPtr<IHybridCombo> m_monthCombo;
  RefPtr<IHybridEdit> m_yearEdit;
};

}  // namespace scalewright
