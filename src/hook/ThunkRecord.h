#pragma once

// What zMap_VFunction finds in an owner's registries: a hook record (kind 0)
// or a callback entry (kind 2).
class ThunkRecord {
public:
    virtual ~ThunkRecord() = default;

protected:
    ThunkRecord() = default;
    ThunkRecord(const ThunkRecord&) = delete;
    ThunkRecord& operator=(const ThunkRecord&) = delete;
};
