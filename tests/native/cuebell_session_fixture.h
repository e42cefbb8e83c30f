// What the main dialog's session tests share: the in-memory ports, a window whose
// placement is kept, a registry that fails one named value, and a station with a
// realistic store and playout tables.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "cuebell/core/box_message.h"
#include "cuebell/core/cuebell_session.h"
#include "cuebell/model/cuebell_strings.h"
#include "cuebell_store_fixture.h"
#include "event_table_fixtures.h"
#include "shared/inmemory/memory_board_driver.h"
#include "shared/inmemory/memory_message_box.h"
#include "shared/inmemory/memory_registry.h"
#include "shared/inmemory/memory_system.h"
#include "shared/text.h"

namespace cuebell {
namespace testing {

class FakeWindow : public core::PlacedWindow {
  public:
    core::Rect rect{5, 6, 7, 8};
    std::vector<core::Rect> moves;

    core::Rect GetWindowRect() override { return rect; }
    void MoveWindow(const core::Rect& to) override {
        rect = to;
        moves.push_back(to);
    }
};

// Forwards to a MemoryRegistry and fails the writes of one value of one key, so that
// a single value of a phase can be made to fail.
class ValueFailingRegistry : public core::RegistryPort {
  public:
    explicit ValueFailingRegistry(core::MemoryRegistry& inner) : inner_(inner) {}

    void FailValue(core::RegRoot root, const std::wstring& path, const std::wstring& name) {
        failRoot_ = root;
        failPath_ = path;
        failName_ = name;
    }
    void ClearValueFailure() { failPath_.clear(); }

    long OpenKey(core::RegRoot root, const std::wstring& path, core::RegAccess access,
                 core::RegKey* key) override {
        long status = inner_.OpenKey(root, path, access, key);
        Remember(status, root, path, *key);
        return status;
    }
    long CreateKey(core::RegRoot root, const std::wstring& path, core::RegKey* key) override {
        long status = inner_.CreateKey(root, path, key);
        Remember(status, root, path, *key);
        return status;
    }
    long CloseKey(core::RegKey key) override {
        paths_.erase(key);
        return inner_.CloseKey(key);
    }
    long QueryValue(core::RegKey key, const std::wstring& name, uint32_t* type,
                    core::Bytes* data) override {
        return inner_.QueryValue(key, name, type, data);
    }
    long SetValue(core::RegKey key, const std::wstring& name, uint32_t type,
                  const core::Bytes& data) override {
        auto it = paths_.find(key);
        if (!failPath_.empty() && it != paths_.end() && it->second.first == failRoot_ &&
            core::EqualsNoCase(it->second.second, failPath_) &&
            core::EqualsNoCase(name, failName_)) {
            return core::kErrorAccessDenied;
        }
        return inner_.SetValue(key, name, type, data);
    }
    long EnumKey(core::RegKey key, uint32_t index, size_t maxNameChars,
                 std::wstring* name) override {
        return inner_.EnumKey(key, index, maxNameChars, name);
    }

  private:
    void Remember(long status, core::RegRoot root, const std::wstring& path, core::RegKey key) {
        if (status == core::kErrorSuccess) {
            paths_[key] = {root, path};
        }
    }

    core::MemoryRegistry& inner_;
    std::map<core::RegKey, std::pair<core::RegRoot, std::wstring>> paths_;
    core::RegRoot failRoot_ = core::RegRoot::LocalMachine;
    std::wstring failPath_;
    std::wstring failName_;
};

constexpr core::WindowHandle kOwner = 0x4242;

// The settings key written literally, so that a wrong path in the code shows.
constexpr const wchar_t* kSettingsKey = L"Software\\Quorvane\\Cuebell\\General";

// A station as the session meets it: the ports, one 48000 Hz board by default.
struct Station {
    core::MemoryRegistry memory;
    ValueFailingRegistry registry{memory};
    core::MemorySystem system;
    core::MemoryMessageBox boxes;
    core::MemoryBoardDriver driver;
    FakeWindow window;
    CuebellSession session{registry, system, boxes, driver};

    std::vector<std::wstring> ShownTexts() const {
        std::vector<std::wstring> texts;
        for (const auto& call : boxes.Calls()) {
            texts.push_back(call.text);
        }
        return texts;
    }
    std::wstring Table(const std::wstring& instance) const {
        return core::testing_events::StoredTableOf(memory, instance);
    }
    std::wstring StoreValue(const std::wstring& key, const std::wstring& name) const {
        return Get(memory, key, name);
    }
};

inline std::wstring Text(int id) {
    return CuebellText(id);
}

inline EntryRefs RefsOf(const EntryList& entries) {
    EntryRefs refs;
    for (const auto& entry : entries) {
        refs.push_back(entry.get());
    }
    return refs;
}

// The realistic store (two boards' devices: "CX840 Input 1 B1" at 48000 Hz and
// "CX840 Input 2 B2" at 44100 Hz) on a station with boards at 48000 and 44100 Hz, and
// two playout instances: "Studio" on board 1 holding WAV_News (with a comment), a
// foreign event and a Tonegate event, and "Backup" on board 2 holding WAV_Sport and a
// foreign event.
inline void SeedStation(Station& station) {
    SeedRealisticStore(station.memory);
    station.driver.boardRates = {48000, 44100};
    core::testing_events::SeedInstance(station.memory, L"Studio", L"CX840 Card 1",
                                       L"101 0 500 WAV_News|Top of hour\n"
                                       L"7 3 250 Playlist start|x\n"
                                       L"101 0 500 DTMF_Cue|tone");
    core::testing_events::SeedInstance(station.memory, L"Backup", L"CX840 Card 2",
                                       L"12 1 100 Backup only|\n"
                                       L"101 0 500 WAV_Sport|Goal");
}

}  // namespace testing
}  // namespace cuebell
