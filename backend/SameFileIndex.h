#pragma once

#include "RegularFile.h"

#include <QString>

#include <unordered_map>
#include <vector>

class CMusicManage;
class CMusicObj;

// The tracks of the manager's main list by the file each one's Location reaches (device and inode
// after links, see FileIdentity), for the removal's "does another track keep this file": a library
// may list one file under several spellings or through a linked folder. Building it stats every
// track once; each question then stats the one file asked about. Holds no ownership: the tracks
// belong to the manager and outlive the operation the index serves.
class CSameFileIndex
{
public:
    explicit CSameFileIndex(const CMusicManage& manager);

    // The tracks other than `obj` whose file is the one `obj`'s Location reaches now.
    std::vector<const CMusicObj*> Sharing(const CMusicObj& obj) const;
    // The main list's size when the index was built: a list that changed needs a new index.
    int ListSize() const { return m_listSize; }

private:
    std::unordered_map<FileIdentity, std::vector<const CMusicObj*>, FileIdentity::Hash> m_byFile;
    int m_listSize = 0;
};
