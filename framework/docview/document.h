// CDocument: the data side of document/view. It knows its title, its path,
// its views and whether it changed since it was last saved; it opens, saves
// (asking first where Windows programs ask) and closes. A document that holds
// no data of its own still goes through the framework's file handling, so
// that Open and Save behave as users expect (an opened file is checked for
// reading, a saved file exists afterwards).
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
  // On failure |error| holds what the user is told; empty, the framework's
  // standard words.
  virtual bool OnOpenDocument(const std::string& path, std::string& error);
  // Writes the file (an empty one by default). On failure |error| says why,
  // below the framework's standard words.
  virtual bool OnSaveDocument(const std::string& path, std::string& error);
  // Closes every window of the document; the document goes with the last.
  void OnCloseDocument();

  bool IsModified() const { return m_modified; }
  void SetModifiedFlag(bool modified = true) { m_modified = modified; }
  // A changed document asks "Save changes to <title>?": Yes saves, No
  // leaves it. False when the user cancels or the save failed: whatever
  // was about to close stays open.
  virtual bool SaveModified();
  // The name Save As offers for a document that has no file yet.
  virtual std::string SuggestedFileName() const { return m_title; }
  // Saves under the document's path, or asks for one; reports failures.
  bool DoSave(bool askForName);

  void AddView(CView* view);
  void RemoveView(CView* view);
  const std::vector<CView*>& Views() const { return m_views; }
  CDocTemplate* Template() const { return m_template; }
  void SetTemplate(CDocTemplate* owner) { m_template = owner; }
  // Frame captions: the title, with ":n" when several windows show it.
  void UpdateFrameTitles();

  bool OnCmdMsg(UINT id, CCmdUI* ui) override;

 private:
  std::string m_title;
  std::string m_pathName;
  std::vector<CView*> m_views;
  CDocTemplate* m_template = nullptr;
  bool m_modified = false;
};

}  // namespace scalewright::docview
