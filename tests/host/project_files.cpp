// REAPER project files: read into the model and written back, state chunks,
// and undo points over them.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "api/host_api.hpp"
#include "model/need_big.hpp"
#include "model/state.hpp"
#include "project_file/chunk_tree.hpp"
#include "project_file/names.hpp"
#include "project_file/project_io.hpp"
#include "project_file/tokens.hpp"
#include "project_file/undo.hpp"
#include "project_file/writer.hpp"
#include "simulation.hpp"

using namespace kvhost::api;
namespace fs = std::filesystem;
namespace files = kvhost::project_file;

namespace {

std::string read_file(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void write_file(const fs::path& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

struct project_files : ::testing::Test {
  void SetUp() override {
    kvhost::reset();
    folder = fs::temp_directory_path() /
             ("kv_project_files_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
              ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(folder);
  }
  void TearDown() override { fs::remove_all(folder); }

  kvhost::model::project& current() { return *kvhost::model::state().current; }

  // Loads the text as a project file in the temporary folder; the failure, if any.
  std::string load_text(const std::string& text, const std::string& name = "fixture.RPP") {
    write_file(folder / name, text);
    notices.clear();
    return files::load_project(current(), (folder / name).string(), notices);
  }

  std::string fixture(const std::string& name) { return read_file(fs::path(KV_TEST_PROJECTS) / name); }

  // The line of the written project that starts with the text, indentation ignored.
  static std::string line_of(const std::string& text, const std::string& start) {
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
      const auto at = line.find_first_not_of(' ');
      if (at != std::string::npos && line.compare(at, start.size(), start) == 0) return line.substr(at);
    }
    return "";
  }

  fs::path folder;
  std::vector<std::string> notices;
};

TEST_F(project_files, words_are_quoted_and_read_by_wdl_rule) {
  EXPECT_EQ(files::quote(""), "\"\"");
  EXPECT_EQ(files::quote("5.50"), "5.50");
  EXPECT_EQ(files::quote("hey\""), "hey\"");
  EXPECT_EQ(files::quote("two words"), "\"two words\"");
  EXPECT_EQ(files::quote("\"hey"), "'\"hey'");
  EXPECT_EQ(files::quote("#note"), "\"#note\"");
  EXPECT_EQ(files::quote("a \"b\" 'c'"), "`a \"b\" 'c'`");
  EXPECT_EQ(files::quote("a \"b\" 'c' `d`"), "`a \"b\" 'c' 'd'`");
  EXPECT_EQ(files::quote("Audio", true), "\"Audio\"");
  const auto words = files::split_words("NAME `it's \"x\"` '' bare\"q end");
  ASSERT_TRUE(words);
  ASSERT_EQ(words->size(), 5u);
  EXPECT_EQ((*words)[1].value, "it's \"x\"");
  EXPECT_EQ((*words)[2].value, "");
  EXPECT_EQ((*words)[3].value, "bare\"q");
  EXPECT_FALSE(files::split_words("NAME \"open"));
  EXPECT_EQ(files::format_number(0.1), "0.1");
  EXPECT_EQ(files::format_number(1e-7), "0.0000001");
  EXPECT_EQ(files::format_number(91.63826275951472), "91.63826275951472");
}

TEST_F(project_files, unchanged_projects_are_written_byte_for_byte) {
  for (const char* name : {"modern.RPP", "legacy.RPP", "minimal.RPP"}) {
    SCOPED_TRACE(name);
    const std::string text = fixture(name);
    ASSERT_EQ(load_text(text), "");
    EXPECT_EQ(files::write_project(current()), text);
  }
}

TEST_F(project_files, the_model_holds_what_the_file_says) {
  ASSERT_EQ(load_text(fixture("modern.RPP")), "");
  auto& read = current();
  EXPECT_EQ(read.track_count(), 2);  // the track inside <EXTENSIONS is not one of them
  EXPECT_DOUBLE_EQ(read.cursor, 93.02);
  EXPECT_TRUE(read.loop);
  EXPECT_DOUBLE_EQ(read.loop_points.end, 55.77);
  EXPECT_EQ(read.record_path, "Audio");
  EXPECT_EQ(read.notes, "Session notes\r\nsecond line");
  EXPECT_EQ(read.ext_state.at("CHAPTERURLS").at("10.883404128208"), "https://Tudelu.com");
  ASSERT_EQ(read.markers.size(), 3);
  EXPECT_TRUE(read.markers.at(0)->region);
  EXPECT_DOUBLE_EQ(read.markers.at(0)->end, 4800);
  // Written in Windows' byte order, held in this platform's.
  EXPECT_EQ(read.markers.at(1)->color, files::platform_color_letter == "R" ? 0xFF0000 : 0xFF);
  EXPECT_EQ(read.markers.at(2)->name, "say \"hi\"");
  auto& lead = *read.track_at(0);
  EXPECT_EQ(lead.name, "Lead vocal");
  EXPECT_EQ(lead.color, 33212616);
  EXPECT_DOUBLE_EQ(lead.pan, -0.25);
  EXPECT_EQ(lead.folder_depth, 1);
  EXPECT_EQ(lead.record_arm, 1);
  EXPECT_EQ(lead.ext.at("mix_order"), "1");
  EXPECT_EQ(read.track_at(1)->folder_depth, -1);
  EXPECT_TRUE(read.track_at(1)->mute);
  auto& first = *lead.items.at(0);
  EXPECT_EQ(first.notes, "Item notes");
  ASSERT_EQ(first.takes.size(), 2u);
  EXPECT_EQ(first.active, first.takes[1].get());
  EXPECT_EQ(first.takes[1]->name, "it's \"quoted\"");
  EXPECT_DOUBLE_EQ(first.takes[1]->start_offset, 0.5);
  EXPECT_FALSE(first.takes[1]->audio);  // MIDI: no audio
  // Missing media: an offline source with its path, no samples.
  ASSERT_TRUE(first.takes[0]->audio);
  EXPECT_EQ(first.takes[0]->audio->file, (folder / "Audio/missing one.wav").string());
  EXPECT_EQ(first.takes[0]->audio->audio->length(), 0);
  EXPECT_EQ(notices.size(), 1u);
  const auto* volume = first.takes[0]->find_envelope("Volume");
  ASSERT_TRUE(volume);
  ASSERT_EQ(volume->points.size(), 2u);
  EXPECT_TRUE(volume->points[1].selected);
  EXPECT_TRUE(read.track_at(1)->items.at(0)->takes.empty());  // "TAKE NULL" only
}

TEST_F(project_files, a_change_rewrites_only_its_value_and_keeps_the_rest) {
  const std::string text = fixture("legacy.RPP");
  ASSERT_EQ(load_text(text), "");
  MediaTrack* drums = GetTrack(nullptr, 0);
  SetMediaTrackInfo_Value(drums, "D_VOL", 0.5);
  MediaItem* kick = GetMediaItem(nullptr, 0);
  SetMediaItemInfo_Value(kick, "D_LENGTH", 2.5);
  AddProjectMarker2(nullptr, true, 20, 30, "Chorus", -1, 0);
  MediaTrack* added = (InsertTrackAtIndex(1, false), GetTrack(nullptr, 1));
  GetSetMediaTrackInfo_String(added, "P_NAME", const_cast<char*>("Bass line"), true);
  current().ext_state["MyExt"]["Key"] = "two words";
  kvhost::model::find_item(kick)->notes = "first\nsecond";
  const std::string written = files::write_project(current());
  EXPECT_NE(written.find("  >\n  <EXTSTATE\n    <MYEXT\n      KEY \"two words\"\n    >\n  >\n>\n"), std::string::npos);
  EXPECT_NE(written.find("      IGUID {0B000000-0000-4000-8000-000000000001}\n      <NOTES\n        |first\n        "
                         "|second\n      >\n"),
            std::string::npos);
  // Only the changed value is re-formatted; its neighbours keep 4.32's decimals.
  EXPECT_EQ(line_of(written, "VOLPAN 0.5"), "VOLPAN 0.5 0.00000000000000 -1.00000000000000");
  EXPECT_EQ(line_of(written, "LENGTH"), "LENGTH 2.5");
  EXPECT_EQ(line_of(written, "POSITION"), "POSITION 1.00000000000000");
  EXPECT_EQ(line_of(written, "AUXRECV"),
            "AUXRECV 1 0 1.00000000000000 0.00000000000000 0 0 0 0 0 -1.00000000000000 0 -1 ''");
  EXPECT_EQ(line_of(written, "<TRACK '"), "<TRACK '{0A000000-0000-4000-8000-000000000001}'");
  EXPECT_EQ(line_of(written, "FILE"), "FILE \"C:\\Samples\\Kick.wav\"");
  EXPECT_NE(written.find("  MARKER 2 12.50000000000000 \"Verse\" 0\n  MARKER 1 20 Chorus 1 0 1 " +
                         std::string(files::platform_color_letter) + "\n  MARKER 1 30 \"\" 1\n"),
            std::string::npos);
  EXPECT_NE(written.find("  >\n  <TRACK {"), std::string::npos);
  EXPECT_NE(written.find("    NAME \"Bass line\"\n    PEAKCOL 16576\n"), std::string::npos);
  // What was written reads back to the same model, and writes the same again.
  ASSERT_EQ(load_text(written, "again.RPP"), "");
  EXPECT_DOUBLE_EQ(GetMediaTrackInfo_Value(GetTrack(nullptr, 0), "D_VOL"), 0.5);
  EXPECT_EQ(CountTracks(nullptr), 2);
  EXPECT_EQ(files::write_project(current()), written);
}

TEST_F(project_files, a_crlf_file_keeps_crlf_on_changed_and_new_lines) {
  ASSERT_EQ(load_text(fixture("modern.RPP")), "");
  SetMediaTrackInfo_Value(GetTrack(nullptr, 1), "B_MUTE", 0);
  kvhost::model::find_item(GetMediaItem(nullptr, 1))->lock = 1;
  const std::string written = files::write_project(current());
  EXPECT_NE(written.find("    MUTESOLO 0 0 0\r\n"), std::string::npos);
  EXPECT_NE(written.find("      MUTE 0 0\r\n      LOCK 1\r\n      SEL 0\r\n"), std::string::npos);  // in REAPER's order
  EXPECT_EQ(written.find("\n", written.find("\r\n") + 2) - 1, written.find("\r\n", written.find("\r\n") + 2));
  EXPECT_NE(written.find("    <SOMEEXT\r\n"), std::string::npos);
  EXPECT_NE(written.find("AEFkZCBgdGhpcyc=\r\n"), std::string::npos);
}

TEST_F(project_files, media_next_to_the_project_are_read) {
  ASSERT_EQ(load_text(fixture("minimal.RPP")), "");
  const fs::path made = folder / "Audio" / "tone.wav";
  fs::create_directories(made.parent_path());
  {
    kvhost::model::sound_file_writer out(made.string(), 1000, 1);
    std::vector<float> frames(500, 0.25f);
    out.write(frames.data(), 500);
    ASSERT_TRUE(out.close());
  }
  ASSERT_EQ(load_text(fixture("minimal.RPP")), "");
  EXPECT_TRUE(notices.empty());
  PCM_source* tone = GetMediaItemTake_Source(GetActiveTake(GetMediaItem(nullptr, 0)));
  EXPECT_DOUBLE_EQ(GetMediaSourceLength(tone, nullptr), 0.5);
  EXPECT_EQ(GetMediaSourceSampleRate(tone), 1000);
}

TEST_F(project_files, bad_files_stop_with_their_line) {
  const std::string start = "<REAPER_PROJECT 0.1 \"7.40/linux-x86_64\" 0\n  <TRACK\n    NAME x\n";
  EXPECT_EQ(load_text(start), (folder / "fixture.RPP").string() + ":3: expected '>' closing <TRACK of line 2");
  EXPECT_EQ(current().track_count(), 0);
  EXPECT_EQ(load_text(start + "    VOLPAN loud 0\n  >\n>\n"),
            (folder / "fixture.RPP").string() + ":4: expected a number as value 1 of VOLPAN");
  EXPECT_EQ(load_text(start + "    NAME \"open\n  >\n>\n"),
            (folder / "fixture.RPP").string() + ":4: expected a closing quote");
  EXPECT_EQ(load_text(std::string("RIFF\0\0\0\0WAVE", 12)),
            (folder / "fixture.RPP").string() + ":1: expected a text file, not binary data");
  EXPECT_EQ(load_text("<ITEM\n>\n"),
            (folder / "fixture.RPP").string() + ":1: expected <REAPER_PROJECT on the first line");
  EXPECT_EQ(load_text(start + "  >\n>\nMORE\n"),
            (folder / "fixture.RPP").string() + ":6: expected the end of the text after the last '>'");
}

TEST_F(project_files, saving_replaces_the_file_or_leaves_it) {
  const fs::path path = folder / "saved.RPP";
  write_file(path, "old");
  ASSERT_EQ(files::save_project(current(), path.string()), "");
  EXPECT_TRUE(read_file(path).starts_with("<REAPER_PROJECT 0.1 \"7.40/"));
  EXPECT_FALSE(fs::exists(folder / "saved.RPP.kvhost-saving"));
  EXPECT_NE(files::save_project(current(), (folder / "missing" / "x.RPP").string()), "");
  // What cannot be replaced stays as it was, with no temporary file left.
  fs::create_directories(folder / "taken.RPP" / "inside");
  EXPECT_NE(files::save_project(current(), (folder / "taken.RPP").string()), "");
  EXPECT_TRUE(fs::is_directory(folder / "taken.RPP" / "inside"));
  EXPECT_FALSE(fs::exists(folder / "taken.RPP.kvhost-saving"));
}

TEST_F(project_files, state_chunks_come_from_the_same_writer) {
  ASSERT_EQ(load_text(fixture("modern.RPP")), "");
  MediaItem* item = GetMediaItem(nullptr, 0);
  kvhost::model::need_big_buffer buffer("");
  ASSERT_TRUE(GetItemStateChunk(item, buffer.data(), buffer.size(), false));
  const std::string chunk = buffer.result();
  EXPECT_TRUE(chunk.starts_with("<ITEM\nPOSITION 2\nSNAPOFFS 0\n"));
  EXPECT_NE(chunk.find("\nTAKE SEL\nNAME `it's \"quoted\"`\n"), std::string::npos);
  EXPECT_NE(chunk.find("\n<SOURCE MIDI\nHASDATA 1 960 QN\n"), std::string::npos);
  EXPECT_TRUE(chunk.ends_with("TAKE NULL\n>\n"));
  kvhost::model::need_big_buffer track_buffer("");
  ASSERT_TRUE(GetTrackStateChunk(GetTrack(nullptr, 0), track_buffer.data(), track_buffer.size(), false));
  EXPECT_TRUE(
      track_buffer.result().starts_with("<TRACK {7D1F6A3E-1111-4A3C-8F00-000000000001}\nNAME \"Lead vocal\"\n"));
  EXPECT_NE(track_buffer.result().find("\n<ITEM\nPOSITION 2\n"), std::string::npos);
  EXPECT_FALSE(GetTrackStateChunk(kvhost::master_track(nullptr), track_buffer.data(), track_buffer.size(), false));
  // A buffer the host did not pass holds what fits.
  char small[16];
  ASSERT_TRUE(GetItemStateChunk(item, small, sizeof small, false));
  EXPECT_EQ(std::string(small), "<ITEM\nPOSITION ");

  std::string changed = chunk;
  changed.replace(changed.find("POSITION 2"), 10, "POSITION 4");
  changed.replace(changed.find("TAKE SEL\n"), 9, "TAKE\n");
  ASSERT_TRUE(SetItemStateChunk(item, changed.c_str(), false));
  EXPECT_DOUBLE_EQ(GetMediaItemInfo_Value(item, "D_POSITION"), 4);
  EXPECT_EQ(GetMediaItemNumTakes(item), 2);
  EXPECT_EQ(GetActiveTake(item), GetMediaItemTake(item, 0));
  // Lines the model does not hold come back from the chunk, indented into the file.
  const std::string written = files::write_project(current());
  EXPECT_NE(written.find("      POSITION 4\r\n"), std::string::npos);
  EXPECT_NE(written.find("        E 960 80 3c 00\r\n"), std::string::npos);
  EXPECT_EQ(written.find("\nPOSITION"), std::string::npos);

  for (const char* bad : {"<ITEM\nPOSITION x\n>\n", "<ITEM\nPOSITION 3\n", "<TRACK\n>\n", ""}) {
    SCOPED_TRACE(bad);
    EXPECT_FALSE(SetItemStateChunk(item, bad, false));
    EXPECT_DOUBLE_EQ(GetMediaItemInfo_Value(item, "D_POSITION"), 4);
    EXPECT_EQ(GetMediaItemNumTakes(item), 2);
  }
}

TEST_F(project_files, undo_and_redo_restore_the_project_but_not_the_cursor) {
  ASSERT_EQ(load_text(fixture("modern.RPP")), "");
  EXPECT_EQ(Undo_CanUndo2(nullptr), nullptr);
  EXPECT_EQ(Undo_DoUndo2(nullptr), 0);
  Undo_BeginBlock();
  SetMediaTrackInfo_Value(GetTrack(nullptr, 0), "D_VOL", 0.25);
  Undo_BeginBlock2(nullptr);
  DeleteTrackMediaItem(GetTrack(nullptr, 0), GetMediaItem(nullptr, 0));
  Undo_EndBlock2(nullptr, "inner", -1);
  EXPECT_EQ(Undo_CanUndo2(nullptr), nullptr);  // only the outermost end makes the point
  Undo_EndBlock("Quieter", -1);
  ASSERT_NE(Undo_CanUndo2(nullptr), nullptr);
  EXPECT_STREQ(Undo_CanUndo2(nullptr), "Quieter");
  Undo_OnStateChange("Unmute");
  current().cursor = 7;

  EXPECT_EQ(Undo_DoUndo2(nullptr), 1);
  EXPECT_STREQ(Undo_CanUndo2(nullptr), "Quieter");
  EXPECT_EQ(Undo_DoUndo2(nullptr), 1);
  EXPECT_EQ(Undo_CanUndo2(nullptr), nullptr);
  EXPECT_DOUBLE_EQ(GetMediaTrackInfo_Value(GetTrack(nullptr, 0), "D_VOL"), 0.5);
  EXPECT_EQ(CountMediaItems(nullptr), 2);
  EXPECT_DOUBLE_EQ(current().cursor, 7);
  current().cursor = 93.02;
  EXPECT_EQ(files::write_project(current()), fixture("modern.RPP"));

  Main_OnCommandEx(40030, 0, nullptr);  // redo
  EXPECT_DOUBLE_EQ(GetMediaTrackInfo_Value(GetTrack(nullptr, 0), "D_VOL"), 0.25);
  EXPECT_EQ(CountMediaItems(nullptr), 1);
  Main_OnCommandEx(40029, 0, nullptr);  // undo
  EXPECT_EQ(CountMediaItems(nullptr), 2);
  // A new point ends what redo could bring back.
  Undo_OnStateChange("Other");
  Main_OnCommandEx(40030, 0, nullptr);
  EXPECT_STREQ(Undo_CanUndo2(nullptr), "Other");
}

TEST_F(project_files, handles_from_before_an_undo_never_name_the_restored_objects) {
  ASSERT_EQ(load_text(fixture("modern.RPP")), "");
  MediaTrack* track = GetTrack(nullptr, 0);
  MediaItem* item = GetMediaItem(nullptr, 0);
  MediaItem_Take* take = GetMediaItemTake(item, 0);
  struct object {
    void* pointer;
    const char* type;
  };
  const object before[] = {{track, "MediaTrack*"},
                           {item, "MediaItem*"},
                           {take, "MediaItem_Take*"},
                           {GetTakeEnvelopeByName(take, "Volume"), "TrackEnvelope*"},
                           {GetMediaItemTake_Source(take), "PCM_source*"}};
  SetMediaTrackInfo_Value(track, "D_VOL", 0.25);
  Undo_OnStateChange("Quieter");
  // Each restore reads the objects anew, where freed ones could otherwise be reused.
  for (const int command : {40029, 40030, 40029}) {
    Main_OnCommandEx(command, 0, nullptr);
    for (const auto& [pointer, type] : before) EXPECT_FALSE(ValidatePtr2(nullptr, pointer, type)) << type;
  }
  MediaItem* restored = GetMediaItem(nullptr, 0);
  EXPECT_TRUE(ValidatePtr2(nullptr, GetTrack(nullptr, 0), "MediaTrack*"));
  EXPECT_TRUE(ValidatePtr2(nullptr, restored, "MediaItem*"));
  EXPECT_NE(restored, item);
  EXPECT_STREQ(GetTakeName(GetMediaItemTake(restored, 0)), "take one");
  EXPECT_DOUBLE_EQ(GetMediaTrackInfo_Value(GetTrack(nullptr, 0), "D_VOL"), 0.5);
}

TEST_F(project_files, a_script_gets_an_automatic_point_when_it_changed_the_project) {
  ASSERT_EQ(load_text(fixture("minimal.RPP")), "");
  files::add_script_undo_point(current(), "/scripts/Do nothing.lua");
  EXPECT_EQ(Undo_CanUndo2(nullptr), nullptr);
  SetMediaTrackInfo_Value(GetTrack(nullptr, 0), "B_MUTE", 1);
  files::add_script_undo_point(current(), "/scripts/Mute first.lua");
  EXPECT_STREQ(Undo_CanUndo2(nullptr), "ReaScript: Mute first.lua");
}

}  // namespace
