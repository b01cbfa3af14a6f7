#pragma once

#include <cstdint>
#include <limits>
#include <string>

#include "framework/Outcome.h"

class CArchive;

// Base of the program's one document: the modified flag, the file it came from
// and the title shown for it. The open and save sequences (CSingleDocTemplate)
// drive it through DeleteContents and Serialize.
class CDocument {
public:
  CDocument() = default;
  virtual ~CDocument() = default;
  CDocument(const CDocument&) = delete;
  CDocument& operator=(const CDocument&) = delete;

  // Empties the document; called before every load and after a failed one.
  virtual void DeleteContents() {}
  // Loads from or stores to the archive, by its direction.
  virtual void Serialize(CArchive& ar) = 0;
  // Loads from the archive, putting any question to ask, and tells what
  // happened: a refusal leaves the document empty. Throws the framework's
  // exceptions as Serialize does. By default: Serialize, which asks nothing.
  virtual Outcome Load(CArchive& ar, const AskQuestion& ask);
  // Starts the empty, untitled document.
  virtual bool OnNewDocument();
  // True when the document holds nothing of a file: after DeleteContents, or
  // after Serialize refused the file it was given. The open sequence then
  // shows the empty untitled document instead of the refused file.
  virtual bool IsEmpty() const { return false; }

  // Longest leading part of a file that Serialize can ever consume. Opening a
  // longer file reads only that much, so a huge file costs no more memory than this.
  virtual std::uint64_t MaxLoadLength() const { return std::numeric_limits<std::uint64_t>::max(); }

  void SetModifiedFlag(bool modified = true) { m_bModified = modified; }
  bool IsModified() const { return m_bModified; }

  const std::string& GetPathName() const { return m_strPathName; }
  // Sets the file behind the document and takes its name without folder as title.
  void SetPathName(const std::string& path);
  void ClearPathName() { m_strPathName.clear(); }

  const std::string& GetTitle() const { return m_strTitle; }
  void SetTitle(std::string title) { m_strTitle = std::move(title); }

private:
  bool m_bModified = false;
  std::string m_strPathName;
  std::string m_strTitle = "Untitled";
};
