#include "framework/Document.h"

#include <filesystem>

#include "framework/AppInfo.h"
#include "framework/Archive.h"

bool CDocument::OnNewDocument() {
  DeleteContents();
  m_strPathName.clear();
  m_strTitle = kUntitledTitle;
  m_bModified = false;
  return true;
}

Outcome CDocument::Load(CArchive& ar, const AskQuestion&) {
  Serialize(ar);
  return {};
}

void CDocument::SetPathName(const std::string& path) {
  m_strPathName = path;
  m_strTitle = std::filesystem::path(path).filename().string();
}
