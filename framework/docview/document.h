// CDocument: the data side of document/view. It knows its title, its path,
// its views; it opens, saves and closes. A document that holds no data of
// its own still goes through the framework's file handling, so that Open
// and Save behave as users expect (an opened file is checked for reading,
// a saved file exists afterwards).
#pragma once

#include <string>
#include <vector>

#include "framework/docview/cmd_target.h"

namespace scalewright::docview {

class CDocTemplate;
class CView;

class CDocument : public CCmdTarget {
 public:
  CDocument() = default;
  CDocument(const CDocument&) = delete;
  CDocument& operator=(const CDocument&) = delete;

  const std::string& Title() const { return m_title; }
  void SetTitle(const std::string& title);
  const std::string& PathName() const { return m_pathName; }
  // Takes the file's name as title and enters the path in the recent list.
  void SetPathName(const std::string& path);

  virtual bool OnNewDocument() { return true; }
  // Reads the file (nothing by default: the file must open for reading).
  virtual bool OnOpenDocument(const std::string& path);
  // Writes the file (an empty one by default).
  virtual bool OnSaveDocument(const std::string& path);
  // Closes every window of the document; the document goes with the last.
  void OnCloseDocument();

  void AddView(CView* view);
  void RemoveView(CView* view);
  const std::vector<CView*>& Views() const { return m_views; }
  CDocTemplate* Template() const { return m_template; }
  void SetTemplate(CDocTemplate* owner) { m_template = owner; }
  // Frame captions: the title, with ":n" when several windows show it.
  void UpdateFrameTitles();

  bool OnCmdMsg(UINT id, CCmdUI* ui) override;

 private:
  bool DoSave(bool askForName);

  std::string m_title;
  std::string m_pathName;
  std::vector<CView*> m_views;
  CDocTemplate* m_template = nullptr;
};

}  // namespace scalewright::docview
