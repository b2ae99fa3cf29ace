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
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1) return false;
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  const int days = kDays[month - 1] + (month == 2 && leap ? 1 : 0);
  return day <= days;
}

void CDateContent::SetCell(IHybridCell* cell) {
  if (!cell) {
    m_heading.reset();
    m_dayEdit.reset();
    m_monthCombo.reset();
    m_yearEdit.reset();
  }
  CContentBase::SetCell(cell);
}

void CDateContent::Init() {
  IHybridCell* cell = Cell();
  if (!cell || !GetCtrl() || m_heading) return;
  // %r fills m_heading before the row reads it through %h.
  IHybridHeading* heading = nullptr;
  GetCtrl()->Build("H(%w%w%w%r)C(%p){C(%h%S){E(%r)c(%r%S)E(%r)}}", kDayWidth, kMonthWidth,
                   kYearWidth, &heading, &cell, &heading, static_cast<unsigned>(kStyleAlignCenter),
                   m_dayEdit.put(), m_monthCombo.put(), 0u, m_yearEdit.put());
  m_heading = RefPtr<IHybridHeading>::Adopt(heading);
  if (m_monthCombo)
    for (const char* name : kMonths) m_monthCombo->AddString(name);
  Show();
}

void CDateContent::Show() {
  if (m_dayEdit) m_dayEdit->SetText(std::to_string(m_day).c_str());
  if (m_monthCombo) m_monthCombo->SetCurSel(m_month - 1);
  if (m_yearEdit) m_yearEdit->SetText(std::to_string(m_year).c_str());
}

bool CDateContent::SetDate(int year, int month, int day) {
  if (!IsValidDate(year, month, day)) return false;
  m_year = year;
  m_month = month;
  m_day = day;
  Show();
  return true;
}

void CDateContent::GetDate(int* year, int* month, int* day) {
  // What the user typed counts when it makes a valid date.
  int y = m_yearEdit ? NumberIn(m_yearEdit->GetText()) : m_year;
  int m = m_monthCombo ? m_monthCombo->GetCurSel() + 1 : m_month;
  int d = m_dayEdit ? NumberIn(m_dayEdit->GetText()) : m_day;
  if (IsValidDate(y, m, d)) {
    m_year = y;
    m_month = m;
    m_day = d;
  }
  if (year) *year = m_year;
  if (month) *month = m_month;
  if (day) *day = m_day;
}

}  // namespace scalewright
