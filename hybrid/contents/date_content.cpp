#include "hybrid/contents/date_content.h"

#include <string>

namespace scalewright {

namespace {

const char* const kMonths[] = {"January",   "February", "March",    "April",
                               "May",       "June",     "July",     "August",
                               "September", "October",  "November", "December"};

// The number an edit holds, or -1 when it is not all digits.
int NumberIn(const std::string& text) {
  if (text.empty() || text.size() > 6) return -1;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return -1;
    value = value * 10 + (c - '0');
  }
  return value;
}

}  // namespace

bool CDateContent::IsValidDate(int year, int month, int day) {
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1)
    return false;
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  const int days = kDays[month - 1] + (month == 2 && leap ? 1 : 0);
  return day <= days;
}

void CDateContent::SetCell(IHybridCell* cell) {
  if (!cell) {
    heading_.reset();
    dayEdit_.reset();
    monthCombo_.reset();
    yearEdit_.reset();
  }
  CContentBase::SetCell(cell);
}

void CDateContent::Init() {
  IHybridCell* cell = Cell();
  if (!cell || !GetCtrl() || heading_) return;
  // %r fills heading_ before the row reads it through %h.
  IHybridHeading* heading = nullptr;
  GetCtrl()->Build("H(%w%w%w%r)C(%p){C(%h%S){E(%r)c(%r%S)E(%r)}}", kDayWidth,
                   kMonthWidth, kYearWidth, &heading, &cell, &heading,
                   static_cast<unsigned>(kStyleAlignCenter), dayEdit_.put(),
                   monthCombo_.put(), 0u, yearEdit_.put());
  heading_ = RefPtr<IHybridHeading>::Adopt(heading);
  if (monthCombo_)
    for (const char* name : kMonths) monthCombo_->AddString(name);
  Show();
}

void CDateContent::Show() {
  if (dayEdit_) dayEdit_->SetText(std::to_string(day_).c_str());
  if (monthCombo_) monthCombo_->SetCurSel(month_ - 1);
  if (yearEdit_) yearEdit_->SetText(std::to_string(year_).c_str());
}

bool CDateContent::SetDate(int year, int month, int day) {
  if (!IsValidDate(year, month, day)) return false;
  year_ = year;
  month_ = month;
  day_ = day;
  Show();
  return true;
}

void CDateContent::GetDate(int* year, int* month, int* day) {
  // What the user typed counts when it makes a valid date.
  int y = yearEdit_ ? NumberIn(yearEdit_->GetText()) : year_;
  int m = monthCombo_ ? monthCombo_->GetCurSel() + 1 : month_;
  int d = dayEdit_ ? NumberIn(dayEdit_->GetText()) : day_;
  if (IsValidDate(y, m, d)) {
    year_ = y;
    month_ = m;
    day_ = d;
  }
  if (year) *year = year_;
  if (month) *month = month_;
  if (day) *day = day_;
}

}  // namespace scalewright
