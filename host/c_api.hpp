#pragma once
// The headless host for other languages (Python through ctypes, ...).
#ifdef __cplusplus
extern "C" {
#endif

// Loads the extension (null path: the one built with this host); returns the
// entry's result, or -1 when the file cannot be loaded.
int kvhost_load_extension(const char* path);
int kvhost_unload_extension(void);
// A host function or registered script function by name, or null.
void* kvhost_get_func(const char* name);
// The host lacks that function (or every SWS function) until shown again.
void kvhost_hide_function(const char* name);
void kvhost_hide_sws(void);
void kvhost_show_all_functions(void);
// Runs Lua code with `reaper` and `kvhost` as in kvhost scripts; 1 on
// success, 0 with the message and traceback copied into error.
int kvhost_run_lua(const char* code, char* error, int error_size);
void kvhost_reset(void);
// REAPER's resource folder (empty or null: a new temporary folder).
void kvhost_set_resource_path(const char* path);
void* kvhost_current_project(void);
void* kvhost_create_project(void);
int kvhost_set_current_project(void* project);
void kvhost_queue_message_box_answer(int answer);
void kvhost_queue_user_inputs_answer(int ok, const char* csv);
int kvhost_dialog_count(void);
// A run of the kvhost command: what GetOS and GetAppVersion report (empty:
// the defaults), the answers file (empty: none), and dialogs without an
// answer stop it. 1, or 0 with the message copied into error.
int kvhost_prepare_run(const char* os, const char* reaper_version, const char* answers, char* error, int error_size);
// The next cycle of deferred code begins: time_precise advances.
void kvhost_begin_defer_cycle(void);
// The script ended; deferred: it called defer or runloop.
void kvhost_script_finished(int deferred);
// Where the script is now, for messages of a stopped run: the callback
// writes "script.py:12" into the buffer.
void kvhost_set_script_location(void (*where)(char* buffer, int size));
// The current project from a REAPER project file, or into one: 1, or 0 with
// the failure ("FILE:LINE: expected ...") copied into error.
int kvhost_load_project(const char* path, char* error, int error_size);
int kvhost_save_project(const char* path, char* error, int error_size);
// The automatic undo point of a script that ended without deferring.
void kvhost_add_script_undo_point(const char* script_path);
int kvhost_command_count(void);

#ifdef __cplusplus
}
#endif
