#include "framework/Document.h"

#include <filesystem>

#include "framework/AppInfo.h"

bool CDocument::OnNewDocument() {
  DeleteContents();
  m_strPathName.clear();
  m_strTitle = kUntitledTitle;
  m_bModified = false;
  return true;
}

void CDocument::SetPathName(const std::string& path) {
  m_strPathName = path;
  m_strTitle = std::filesystem::path(path).filename().string();
}
