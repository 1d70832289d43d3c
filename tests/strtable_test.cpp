#include "texts/strtable.h"

#include <QByteArray>
#include <QFile>
#include <QResource>
#include <QSet>
#include <QTranslator>
#include <QtEndian>
#include <QtTest>

// Defined by the generated translation resource.
int qInitResources_texts();
int qCleanupResources_texts();

namespace {

// Every key of the table, in id order, ten a line as the comments number them.
// clang-format off
const char *const kKeys[] = {
    // 0-9
    "tray_delete", "action_unlink", "add", "btn_choseother", "btn_merge", "err_common", "err_conflict", "err_inval", "err_network", "finish",
    // 10-19
    "title_chart_local", "tray_relink", "tray_about", "msg_checkpass", "msg_connectsucc", "msg_mergefolder", "msg_startup", "msg_summary", "msg_test_connect", "msg_test_username_fail",
    // 20-29
    "title_changefolder", "title_folder_nonempty", "title_folderpath", "title_id", "title_name", "title_value", "title_welcome", "tray_exit", "tray_updatedfile", "tray_download",
    // 30-39
    "timescale_min", "btn_help", "btn_ok", "btn_cancel", "btn_next", "btn_back", "version", "msg_catchevent", "err_disconn", "tray_upload",
    // 40-49
    "welcome_go", "time_time", "conn_mode_lan", "conn_mode_direct", "err_auth_short", "conn_mode_reading", "conn_mode_ez", "conn_mode_wan", "err_autoconn_sys", "err_hxmdisable",
    // 50-59
    "files_update", "msg_folder_readonly", "msg_quotafull", "title_conn_mode", "title_folder_readonly", "tray_setinfo", "manage_share_change_folder", "manage_share_title", "msg_info", "manage_proxy_chk_no_proxy",
    // 60-69
    "manage_proxy_chk_sys_proxy", "manage_proxy_label_password", "msg_seldir", "err_autoconn_ctrl", "manage_proxy_server_port", "manage_setting_not_save", "err_full_short", "err_share_fail_enable", "err_share_folder_conflict", "err_share_limit",
    // 70-79
    "manage_setting_applying", "err_invalid_port_number", "err_proxy_ipport_empty", "manage_proxy_chk_manual", "manage_proxy_tab_name", "manage_proxy_title", "manage_setting_no_change", "manage_share_enable", "manage_share_name", "manage_share_status",
    // 80-89
    "manage_share_tab_name", "management_proxy_apply_btn", "management_proxy_cancel_btn", "network_management_page_btn", "tray_management_page", "manage_proxy_chk_account", "tray_updating", "manage_option_enable_ssl", "notify_abnormal_short", "title_ip_detail",
    // 90-99
    "manage_option_enable_desktop_notify", "manage_option_enable_icon_overlay", "manage_option_tab_name", "manage_option_title", "manage_option_use_black_white_icon", "notify_new_share", "notify_new_share_short", "tray_data_checking", "auto_setup_failed_msg", "auto_setup_finishing",
    // 100-109
    "btn_continue", "selective_sync", "black_list_desc", "msg_upgrading", "file_ext_label", "err_share_mountpt_short", "title_upgrade", "msg_progress", "msg_shareitem_delete", "err_hxmdisable_short",
    // 110-119
    "err_shareitem_delete", "auto_setup_key_configurated", "msg_language_restart", "type_folder", "msg_localdiskfull", "selective_sync_loading", "btn_shareitem_delete", "msg_confirm_unlink", "col_file_destination", "label_preparing",
    // 120-129
    "label_uploading", "language_default", "manage_option_language", "folder_name", "label_downloading", "tray_syncing_file_cnt", "folder_selective_sync", "advanced_settings", "file_max_size_label", "block_file_name_label",
    // 130-139
    "block_file_table_title", "err_database", "file_selective_sync", "file_black_list_label", "selective_sync_remove_msg", "manage_option_merge_mode", "loading", "manage_option_sync_mode", "tray_status_paused", "msg_folder_mount_point",
    // 140-149
    "col_time", "msg_download_aborted", "btn_start_now", "status_desc_localdisk_full", "status_desc_quotafull", "tray_status_linking", "btn_manage", "err_share_perm_short", "status_desc_perm_short", "err_user_info_unavailable",
    // 150-159
    "status_desc_abnormal_short", "col_computer_name", "tray_unstable", "msg_download_downloading", "context_menu_share_link", "msg_linking", "try_syncing", "viewer", "title_ssl_warning", "pause_connection",
    // 160-169
    "resume_connection", "unlink_connection", "col_file_status", "black_list_btn", "col_file_action", "col_file_name", "col_file_size", "col_id", "msg_disabled", "msg_enabled",
    // 170-179
    "share_enable_remove_msg", "title_ssl_enable", "msg_seldir_description", "msg_share_bubble_suffix", "title_bubble_sharing", "msg_download_done", "msg_download_fail", "ds_overview", "size_title", "status_desc_ds_changed",
    // 180-189
    "status_desc_pause", "status_desc_ssl_verify_fail", "status_desc_errversion_client", "status_desc_syncing", "wizard_conflict_backup_warning", "desc_inactive", "title_inactive", "desc_cannot_download", "desc_cannot_list_version", "desc_cannot_share_link",
    // 190-199
    "err_ssl_verify_fail", "title_standby", "title_icon_double_clicked", "tooltip_folder_indexing", "msi_welcome_dlg_title", "err_init_failed", "msi_button_back", "msi_ready_dlg_title", "msi_filesinuse_dlg_description", "msi_button_exit",
    // 200-209
    "msi_button_print", "msi_filesinuse_dlg_closenone", "msi_maintenance_dlg_repair_text", "msi_exit_dlg_launch", "msi_exit_dlg_text", "msi_exit_dlg_description", "msi_error_dlg_title", "msi_maintenance_dlg_title", "msi_exit_dlg_title", "err_syncfolder_not_mounted",
    // 210-219
    "msi_maintenance_dlg_repair_tooltip", "error_zero_version", "msi_button_remove", "context_menu_version_browse", "msi_maintenance_dlg_subtitle", "download_only", "msi_fatalerror_dlg_description1", "msi_button_cancel", "msi_button_finish", "msi_button_no",
    // 220-229
    "msg_info_description", "msi_maintenance_welcome_dlg_title", "msi_progress_dlg_status_label", "msi_button_ignore", "msi_button_ok", "msi_button_install", "msi_maintenance_welcome_dlg_description", "msi_maintenance_dlg_remove_tooltip", "read_only", "msi_eula_dlg_subtitle",
    // 230-239
    "msi_button_next", "msi_eula_dlg_title", "title_chart_tray", "msi_maintenance_dlg_repair_label", "err_local_sync_folder_miss", "msi_button_repair", "msi_button_retry", "msi_button_yes", "msi_cancel_dlg_text", "msi_cancel_dlg_title",
    // 240-249
    "msi_eula_dlg_description", "msi_fatalerror_dlg_description2", "msi_fatalerror_dlg_title", "msi_filesinuse_dlg_closeall", "msi_filesinuse_dlg_subtitle", "msi_filesinuse_dlg_text", "msi_filesinuse_dlg_text2", "msi_filesinuse_dlg_title", "msi_maintenance_dlg_change_label", "msi_maintenance_dlg_change_text",
    // 250-259
    "msi_maintenance_dlg_change_text_disabled", "msi_maintenance_dlg_change_tooltip", "msi_maintenance_dlg_description", "msi_maintenance_dlg_remove_label", "msi_maintenance_dlg_remove_text", "msi_progress_dlg_description", "msi_progress_dlg_subtitle", "msi_progress_dlg_text", "msi_progress_dlg_title", "msi_ready_dlg_subtitle",
    // 260-269
    "msi_ready_dlg_text", "msi_readyremove_dlg_description", "msi_readyremove_dlg_subtitle", "msi_readyremove_dlg_text", "msi_readyremove_dlg_title", "msi_readyrepair_dlg_description", "msi_readyrepair_dlg_subtitle", "msi_readyrepair_dlg_text", "msi_readyrepair_dlg_title", "msi_userexit_dlg_description1",
    // 270-279
    "msi_userexit_dlg_description2", "msi_userexit_dlg_title", "msi_welcome_dlg_description", "remove_btn", "msi_maintenance_welcome_dlg_subtitle", "msi_exit_dlg_subtitle", "msi_userexit_dlg_subtitle", "session_unlink_btn", "main_download_history", "link_new_nas",
    // 280-289
    "msi_fatalerror_dlg_subtitle", "share_enabled", "session_add_btn", "msi_welcome_dlg_subtitle", "session_pause_btn", "msi_eula_dlg_accept", "session_resume_btn", "filter_reset", "selective_sync_folder_title", "msg_sub_slogan",
    // 290-299
    "err_user_sharing_disabled", "session_unlink_confirm_msg", "open_contain_folder", "err_get_file_url", "tray_ds_change", "err_share_not_mounted", "err_remote_not_mounted", "NSIS_NOT_ADMIN_CONFIRM", "msg_slogan", "err_farreach_file_sharing",
    // 300-309
    "history_yesterday", "err_short", "wizard_setup_mode_page_desc", "wizard_setup_quick_mode_title", "yes", "got_it", "desc_no_per_or_deleted", "tutorial_second_desc_2", "history_date_range", "context_menu_filter_folder",
    // 310-319
    "time_hour_ago", "wizard_new_sync_folder_desc", "history_folder", "month_may", "history_from", "wizard_setup_repeat_warning_title", "history_rename", "progress_preparing", "time_day_ago", "time_just_now",
    // 320-329
    "time_minute_ago", "history_file", "history_items", "history_last_month", "history_keyword", "history_to", "history_delete", "history_download", "history_type", "history_last_week",
    // 330-339
    "history_upload", "month_apr", "history_reset", "month_aug", "history_search", "month_oct", "context_menu_resume_folder", "history_time", "context_menu_filter_folders", "history_no_data",
    // 340-349
    "context_menu_resume_folders", "context_menu_sendto_prefix", "month_nov", "tray_current_syncing", "history_action", "timescale_day", "month_sep", "history_all_event", "history_customize", "history_date",
    // 350-359
    "history_file_name", "month_mar", "month_dec", "history_file_type", "month_feb", "month_jan", "month_jul", "month_jun", "today", "advan_setup_wizard",
    // 360-369
    "dont_show_msg", "wizard_setup_quick_mode_desc", "quick_mode_finish_page_desc", "quick_mode_finish_page_title", "tutorial_second_desc", "tutorial_third_desc", "wizard_setup_mode_page_title", "no_need", "tutorial_second_title", "tutorial_third_title",
    // 370-379
    "local_ds_search", "use_farreach", "title_status_info", "title_pwd", "title_usr", "single_file_update", "err_no_connection_for_file", "open_main_app", "wizard_sync_folder_new_nas", "tray_upgrade",
    // 380-389
    "wizard_new_sync_folder_title", "wizard_sync_folder_new_session", "wizard_setup_advan_mode_title", "wizard_setup_advan_mode_desc", "btn_done", "file_max_size_limit", "wizard_find_local_ds_tooltip", "wizard_readonly_sync_folder_warning", "wizard_invalid_sync_folder_warning", "more_tutorial",
    // 390-399
    "wizard_conflict_sync_folder_warning", "open_file", "open_folder", "wizard_create_larkspan_folder", "wizard_setup_repeat_warning", "wizard_setup_repeat_warning2", "msg_err_offline", "home_folder", "err_hxm_share_link", "err_ssl_change",
    // 400-409
    "wizard_set_sync_folder", "err_ip_not_allowed", "conflict_policy_desc", "wizard_welcome_title", "sync_direction_mismatch", "last_page", "first_page", "prev_x_pages", "next_x_pages", "msg_unlinking",
    // 410-419
    "err_max_tries", "label_locked_file", "wizard_network_err_sync_folder_warning", "wizard_share_nonexist_sync_folder_warning", "wizard_set_sync_folder_title", "conflict_policy_compare_mtime", "two_way_sync", "wizard_set_sync_folder_desc", "shared_folder", "notification_page_action_request_access_office_template",
    // 420-429
    "folder_in_use_local_sync", "notification_request_access_office_template", "wizard_ssl_change_sync_folder_warning", "err_otp_required", "err_otp_invalid", "connection_enter_otp", "timescale_hour", "wizard_quotafull_sync_folder_warning", "wizard_ssl_verify_fail_sync_folder_warning", "wizard_system_err_sync_folder_warning",
    // 430-439
    "manage_sync_tab_name", "conflict_policy_overwrite_client", "conflict_policy_rename_conflict", "tray_request_access_office_template", "info_mergefolder", "enable_adv_sharing", "schedulebkp_confirm_stop_backup", "accessible_conn_list", "accessible_connected_server", "accessible_copy_share_link",
    // 440-449
    "accessible_delete_permission_button", "accessible_group", "accessible_open_web_portal", "accessible_pairing_local_machine", "accessible_pairing_remote_nas", "accessible_shared_with_me_session_desc", "accessible_tray_recently_change_tab", "accessible_tutorial_2", "accessible_tutorial_3", "accessible_tutorial_4",
    // 450-459
    "accessible_user", "accessible_share_permission", "wizard_welcome_mask_desc", "schedulebkp_run_freq_unit", "quick_mode_open_folder_btn", "err_share_nonexist_short", "schedulebkp_run_on_every", "msg_about", "err_otp_enforced", "msg_share_quotafull",
    // 460-469
    "common_forminvalid", "selective_sync_direction_title", "notify_abnormal", "advan_mode_set_share_folder_info", "wizard_access_deny_sync_folder_warning", "wizard_user_disable_sync_folder_warning", "manage_proxy_server_ip", "sharing_exp_after", "context_menu_no_option_available", "schedulebkp_first_run_time",
    // 470-479
    "err_auth", "block_file_name_tool_tip", "one_way_download", "wizard_share_name_duplicate_warning", "selective_enable_entire_attribute_check", "sharing_enable_expire_at", "common_fieldblank", "sharing_restrict", "type_file", "manage_option_enable_context_menu",
    // 480-489
    "err_user_home_disabled", "wizard_client_upgrade_failed", "sharing_apply_and_copy_button", "sharing_enable_expire_times", "sharing_enable_start_at", "wizard_client_upgrade", "filter_to", "wizard_remote_not_mounted", "accessible_info_button", "accessible_add_filename_button",
    // 490-499
    "accessible_title_local_destination", "accessible_language_button", "accessible_version_download_description", "sharing_customize_duration", "timescale_month", "accessible_pairing_sync_folder", "accessible_sync_log_refresh_button", "accessible_calendar_prev_month", "accessible_sync_log_filter_lineedit", "accessible_add_folder_button",
    // 500-509
    "accessible_calendar", "accessible_calendar_next_month", "accessible_change_sync_folder_button", "accessible_sync_log_category_combobox", "accessible_sync_task_session_description", "accessible_title_remote_destination", "accessible_title_settings", "accessible_tutorial_close_button", "accessible_version_download_abort_button", "accessible_version_download_delete_button",
    // 510-519
    "err_pwd_expired", "accessible_queue_table", "history_local_rename", "history_remote_rename", "common_maxlengthtext", "wizard_user_different_warning", "err_tunnel_disabled", "msg_download_fail_long", "wizard_auth_error_warning", "btn_settings",
    // 520-529
    "notification_page", "notification_page_action_comment", "btn_now", "notification_page_open_in_portal", "btn_setup", "server_info", "tray_opendir", "read_only_tooltip_drive", "col_file_type", "msi_ready_dlg_description_drive",
    // 530-539
    "wizard_finish_pairing_desc_drive", "msi_ready_dlg_description", "desc_lkpn_env_preparation_done_drive", "filter_customize", "general_setting_show_tutorial_drive", "wizard_source_readonly_warning", "msg_running_drive", "filter_from", "wizard_welcome_mask_desc_drive", "upgrade_failed_drive",
    // 540-549
    "filter_keyword", "NSIS_VELMORA_DRIVE_INSTALLED_NEWER", "accessible_create_sync_task_desc", "conflict_dropbox_drive", "confirm_lostchange", "accessible_tutorial_description_drive", "err_autoconn_invalidid_drive", "advan_mode_set_share_folder_info_drive", "manage_option_enable_startup_drive", "desc_lkpn_env_preparing_drive",
    // 550-559
    "err_proto_drive", "err_version_client_drive", "err_version_short_drive", "msg_diskfull_drive", "msg_error_drive", "accessible_tray_notification_tab", "msg_folder_not_empty_drive", "one_way_sync_download_drive", "quick_mode_end_msg_drive", "accessible_tutorial_1",
    // 560-569
    "NSIS_VELMORA_DRIVE_INSTALLED_CURRENT", "wizard_welcome_desc_drive", "almost_done_drive_server", "almost_done_local", "filter_search", "advance_share_title", "filter_yesterday", "msg_fail", "wizard_create_velmora_drive_folder", "NSIS_LARKSPAN_INSTALLED_CURRENT",
    // 570-579
    "NSIS_LARKSPAN_INSTALLED_NEWER", "accessible_tutorial_description", "app_name", "timescale_week", "conflict_dropbox", "desc_lkpn_env_preparation_done", "desc_lkpn_env_preparing", "err_autoconn_invalidid", "err_version_client", "err_version_server",
    // 580-589
    "err_version_short", "general_setting_show_tutorial", "manage_option_enable_startup", "msg_error", "msg_finish", "msg_finish_way", "msg_folder_not_empty", "msg_running", "quick_mode_end_msg", "read_only_tooltip",
    // 590-599
    "status_desc_version_short", "title_open_station", "tray_click_to_update", "update_pkg_for_selective_sync", "op_clean", "op_date_time", "wizard_diskfull_sync_folder_warning", "wizard_finish_pairing_desc", "wizard_setup_repeat_warning_desc", "wizard_welcome_desc",
    // 600-609
    "wizard_welcome_footer_info", "perm_commenter", "perm_app_ro_desc", "perm_app_rw_desc", "perm_limit_desc", "perm_public_commenter_desc", "perm_public_ro_desc", "perm_app_commenter_desc", "perm_public_rw_desc", "perm_ro",
    // 610-619
    "perm_organizer", "perm_rw", "desc_cannot_open_portal", "share_invite", "perm_na", "empty_share", "op_download", "err_public_sharing_disabled", "err_sharing_disabled_contact_admin", "tray_rename",
    // 620-629
    "op_restore", "tray_request_osheet", "remove_link_desc", "tray_share_osheet", "common_no_data", "common_share", "err_dir_file_not_exist", "err_permission", "schedulebkp_weekend", "perm_app",
    // 630-639
    "my_drive", "perm_limit", "perm_public", "adv_share_error", "btn_change", "enable_expiration", "share_user_group", "app_name_drive", "display_setting_bw_desc", "display_tab",
    // 640-649
    "display_setting_local_folder_desc", "notification_page_action_mentioned", "notification_page_action_request_access", "tray_share_file", "notification_page_action_shared", "notification_page_sync", "notification_page_shared", "notification_request_access", "notification_page_comment", "shared_with_me",
    // 650-659
    "notification_page_mentioned", "notification_tab", "one_way_upload", "dont_remove_server_when_local_remove", "btn_later", "tray_notification_download_finished", "tray_notification_title", "tray_synced_on_all_devices", "tutorial_access_web_portal", "tutorial_congrats",
    // 660-669
    "tutorial_congrats_sub", "wizard_shared_with_me_enable_later", "wizard_shared_with_me_enable_now", "wizard_shared_with_me_title", "create_sync_task_title", "create_sync_task_general", "create_sync_task_shared_with_me", "schedulebkp_backup_days", "err_ds_not_match", "err_proto",
    // 670-679
    "msg_diskfull", "team_folder", "one_way_sync_download", "upgrade_failed", "schedulebkp_options_status_no", "tray_request_oslides", "tray_share_dir", "schedulebkp_options_status_yes", "tray_request_dir", "tray_request_file",
    // 680-689
    "tray_request_odoc", "tray_share_odoc", "tooltip_hide_removed", "tray_share_oslides", "privacy_setting", "enable_password", "share_permission", "schedulebkp_weekdays", "msg_adv_sharing_bubble_suffix", "wizard_create_shared_with_me_folder",
    // 690-699
    "type_any", "wizard_summary_table_except_path", "btn_pause", "btn_proxy", "btn_resume", "btn_unlink", "btn_wizard_readonly_no", "btn_wizard_readonly_yes", "connection_password", "connection_username",
    // 700-709
    "err_ds_change", "err_invalid", "main_queue_column_progress", "main_queue_preparing", "main_queue_title", "main_queue_waiting", "main_status_connecting", "main_status_error", "setting_tab_option", "setting_tab_proxy",
    // 710-719
    "wizard_connection_desc", "wizard_connection_title", "wizard_readonly_backup_desc", "wizard_summary_table_account", "wizard_summary_table_local_title", "wizard_summary_table_server", "wizard_summary_title", "wizard_welcome_help", "wizard_welcome_info", "wizard_welcome_slogan",
    // 720-729
    "schedulebkp_realtime_backup_desc", "filter_label_text", "schedulebkp_scheduled_backup_desc", "auto_shutdown_confirm", "wizard_task_select_backup_title", "wizard_task_select_sync_title", "wizard_connection_tonas_title", "backup_welcome_desc", "backup_task_mode_manual_info", "get_file_link",
    // 730-739
    "schedulebkp_backup_schedule_run_on", "schedulebkp_backup_schedule_start_time", "schedulebkp_backup_schedule_freq", "schedulebkp_backup_schedule_last_end_time", "schedulebkp_backup_schedule_last_run_time", "commenter", "sharelink_manage_tooltip", "backup_task_mode_continuous_info", "btn_open_explorer", "main_desc_last_upload",
    // 740-749
    "main_task_setting", "schedulebkp_next_day_desc", "err_get_sharing_info", "backup_chooser_destination", "schedulebkp_manual_backup_desc", "allow_download", "backup_task_mode_schedule_info", "schedulebkp_backup_schedule_title", "manager", "previewer",
    // 750-759
    "editor", "preview_commenter", "backup_task_create", "setting_filter_table_desc", "sync_temp_file", "wizard_task_select_backup_desc", "schedulebkp_choose_mode_description", "backup_chooser_no_folder_selected", "main_backup_information_desc", "main_status_pause",
    // 760-769
    "wizard_summary_table_remote_title", "history_page_title", "first_page_backup_start", "backup_rule_desc", "folder_chooser_not_select_desc", "context_menu_dehydrate", "context_menu_pin_to_local", "context_menu_unpin", "schedulebkp_backup_schedule_cust_days", "schedulebkp_when_done",
    // 770-779
    "treedialog_pcname_desc", "treedialog_server_desc", "setting_filter_max_size", "setting_filter_point_prefix", "err_no_valid_folder", "bkp_freq_unit_every", "first_page_sync_start", "wizard_register_session_failed", "backup_err_ds_change", "backup_err_proto",
    // 780-789
    "backup_err_ssl_verify_fail", "backup_err_version_client", "Invalid_client_ver_desc", "authentication_err_desc", "connection_error_desc", "denied_access_IPaddr_desc", "invalid_certificate_err_desc", "invalid_software_ver_desc", "main_status_not_backup_yet", "wizard_task_select_sync_desc",
    // 790-799
    "learn_more", "schedulebkp_set_plan_description", "schedulebkp_do_missing_backup", "wizard_connection_setting_desc", "wizard_setsyncfolder_desc", "wizard_summary_desc", "wizard_summary_table_path", "invalid_package_ver_desc", "backup_err_auth", "backup_err_ip_not_allowed",
    // 800-809
    "backup_err_version_server", "backup_chooser_have_fakenode", "bkp_title_err_sync_direction_mismatch", "msi_ready_dlg_text_drive", "bkp_wizard_connection_setting_desc", "bkp_desc_diskfull", "bkp_title_err_share_not_mounted", "err_abnormal_desc", "backup_temp_file", "test_fri",
    // 810-819
    "bkp_summary_mon", "bkp_summary_thur", "bkp_summary_sat", "bkp_title_err_user_home_disabled", "bkp_desc_err_user_home_disabled", "bkp_title_local_folder_miss", "bkp_desc_err_init_failed", "bkp_desc_err_share_not_mounted", "bkp_title_err_share_perm", "bkp_desc_err_share_perm",
    // 820-829
    "bkp_title_err_syncfolder_not_mounted", "almost_done_drive_server_drive", "one_way_sync_download_from_server_drive", "bkp_summary_fri", "role", "bkp_summary_sun", "bkp_summary_tues", "bkp_summary_wed", "friday", "monday",
    // 830-839
    "saturday", "sunday", "thursday", "tuesday", "wednesday", "msi_eula_dlg_reject", "bkp_title_diskfull", "bkp_title_err_init_failed", "download", "bkp_desc_err_sync_direction_mismatch",
    // 840-849
    "bkp_desc_err_syncfolder_not_mounted", "bkp_desc_local_folder_miss", "bkp_title_msg_share_quotafull", "bkp_desc_msg_share_quotafull", "bkp_title_quotafull", "bkp_desc_quotafull", "bkp_title_remote_folder_nonexist", "bkp_desc_remote_folder_nonexist", "share_link_perm", "btn_apply",
    // 850-859
    "schedulebkp_next_backup_time", "schedulebkp_backup_plan", "sharing_link", "share_link", "drive_backup_server_version_not_support", "err_link_same_ds", "manage_share_loading", "msg_network_drive_watch", "msg_ssl_change", "msg_ssl_error",
    // 860-869
    "msg_welcome", "quick_mode_finish_page_more_detail", "quick_mode_finish_page_more_detail_drive", "status_desc_diskfull", "status_desc_errversion_server", "status_desc_linking", "status_desc_uptodate", "password_field_title", "preview", "sol_name_drive",
    // 870-879
    "directory_link", "expire_field_title", "protect_link_title", "del", "time_now", "upload", "Invalid_client_ver_desc_drive", "create_sync_task_desc", "accessible_open_web_portal_drive", "app_name_drive_client",
    // 880-889
    "backup_err_version_client_drive", "invalid_software_ver_desc_drive", "pkg_name_drive", "tutorial_congrats_sub_drive", "wizard_create_velmora_drive_folder_drive", "wizard_create_local_folder_failed", "wizard_file_streaming_promotion_desc", "backup_err_ssl_change", "open_drive_web_portal", "NSIS_LARKSPAN_INSTALLED_NEWER_DRIVE",
    // 890-899
    "accessible_tutorial_1_drive", "create_task_type", "perm_delete", "share", "msi_ready_dlg_sync_and_backup_text", "enable_on_demand_sync", "expired_certificate_err_desc", "cloud_filter_sync_root_missing", "connection_server", "btn_select",
    // 900-909
    "on_demand_sync", "wizard_enable_on_demand_sync_failed", "wizard_file_streaming_promotion_title", "comment", "date_format_error", "invalid_time", "no_valid_folder", "setting_filter_table_editor_tooltip", "wizard_backup_destination_", "role_permission_title",
    // 910-919
    "edit", "tray_dehydrate", "tray_populated", "wizard_warning_invalid_on_demand_sync_path", "enable_on_demand_sync_elaborate", "wizard_diskfull_sync_folder_warning_drive", "create_sync_task_general_desc", "shared_with_me_confirm", "wizard_shared_with_me_desc", "wizard_file_streaming_promotion_checkbox",
    // 920-929
    "block_point_prefix", "filter_date_range", "backup_err_user_privilege", "create_sync_task_shared_with_me_desc", "wizard_shared_with_me_subtitle", "on_demand_sync_promotion_tray_desc", "backup_err_user_privilege_desc", "err_version_server_drive", "err_user_privilege", "wizard_conflict_backup_destination",
    // 930-939
    "err_proto_drive_diffname", "manage_proxy_label_username", "perm_limit_only_you_desc", "btn_ssl_continue", "tutorial_first_desc", "tutorial_fourth_desc", "tutorial_start_tour", "history_placeholder_dehydrate", "history_placeholder_available", "wizard_welcome_footer_info_drive",
    // 940-949
    "err_user_name_empty", "manage_option_synchronization_mode", "setting_filter_ignore_local_delete", "confirm_all_files_being_download", "tutorial_first_title", "tutorial_fourth_title", "tutorial_third_desc_2", "hour_short", "sync_welcome_desc", "min_short",
    // 950-959
    "err_ds_not_match_drive", "quota_storage_description_old", "err_proto_align_drive", "main_desc_processing_count", "main_desc_processing_count_s", "main_desc_processing_count_p", "quota_not_support", "reach_personal_quota_limit", "quota_storage_description", "reach_share_quota_limit",
    // 960-969
    "some_reach_limit", "err_restore_filter_wrong", "backup_chooser_desc", "backup_chooser_choose_source", "connection_ssl", "main_status_uptodate", "wizard_setsyncfolder_title", "backup_err_user_not_allowed", "backup_err_user_not_allowed_desc", "err_user_not_allowed",
    // 970-979
    "err_user_not_allowed_short", "manage_option_show_filtered_icons", "enable_protection_sharing", "remove_link_confirm_title", "remove_link_confirm_desc", "public_rw_desc", "public_ro_desc", "public_commenter_desc", "storage_tab", "accessible_dialogue",
    // 980-989
    "connection_unlink_confirm", "connection_unlinking", "connection_use_farreach", "err_abnormal", "err_backup_fail", "err_create_session_fail", "err_diskfull", "err_quotafull", "err_share_perm", "err_sync_direction_mismatch",
    // 990-999
    "filter_last_month", "filter_last_week", "main_desc_processing_file", "main_status_syncing", "msg_fail_load_session", "msg_loading", "op_operation", "msg_no_such_directory", "protection_share_title", "schedulebkp_auto_shutdown",
    // 1000-1009
    "schedulebkp_auto_shutdown_need_privilege", "schedulebkp_backup_cancelled", "schedulebkp_backup_done", "schedulebkp_backup_times", "schedulebkp_backup_times_unit", "schedulebkp_choose_backup_mode_title", "schedulebkp_confirm_backup_now", "schedulebkp_do_missing_backup_tooltip", "schedulebkp_err_empty_weekday", "schedulebkp_everyday",
    // 1010-1019
    "schedulebkp_last_backup_time", "schedulebkp_manual_backup", "schedulebkp_once_a_day", "schedulebkp_realtime_backup", "schedulebkp_scheduled_backup", "schedulebkp_set_backup_plan_title", "schedulebkp_taking_snapshot", "schedulebkp_update_backupplaninfo_fail", "setting_filter_size_limit_tooltip", "setting_filter_table_title",
    // 1020-1029
    "setting_filter_zero_desc", "setting_option_language_default", "setting_tab_connection", "tooltip_activity", "tooltip_show_removed", "used", "used_of_quota", "tray_pause", "tray_resume", "accessible_title_filter_setting",
    // 1030-1039
    "notification_page_action_comment_reply", "notification_page_comment_reply", "btn_edit_connection", "btn_no_need", "col_create_time", "main_backup_task", "main_settings", "op_version_browse", "main_sync_task", "schedulebkp_backup_mode",
    // 1040-1049
    "recently_changed_title", "schedulebkp_backup_now", "selective_sync_file_title", "selective_sync_mode_title", "session_selective_sync_btn", "setting_tab_filter", "setting_tab_folder", "size_equal", "size_less", "size_greater",
    // 1050-1059
    "tray_uptodate", "treedialog_pc_title", "wizard_conflict_backup_warning_drive", "wizard_conflict_backup_warning_drive_backup", "title_ip", "manage_share_local_syncfolder", "open_sync_status", "err_version_server_larkspan", "ds_widget_connection_error", "err_version_server_larkspan_drive",
};
// clang-format on

const char* const kLanguages[] = {"chs", "cht", "csy", "dan", "enu", "fre", "ger", "hun", "ita", "jpn", "krn",
                                  "nld", "nor", "plk", "ptb", "ptg", "rus", "spn", "sve", "tha", "trk"};

const int kDistinctTexts = 931;

// Number of messages in a compiled translation: its hash block holds one
// 8-byte record per message.
int qmMessageCount(const QByteArray& qm)
{
    const int magicSize = 16;
    const uchar hashesTag = 0x42;
    int pos = magicSize;
    while (pos + 5 <= qm.size()) {
        const uchar tag = uchar(qm[pos]);
        const quint32 length = qFromBigEndian<quint32>(qm.constData() + pos + 1);
        if (tag == hashesTag)
            return int(length / 8);
        pos += 5 + int(length);
    }
    return -1;
}

QSet<QString> englishTexts()
{
    QSet<QString> texts;
    for (int id = 0; id < StrTable::kStrCount; ++id)
        texts.insert(StrTable::LoadStr(id));
    return texts;
}

}  // namespace

class StrTableTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void everyKeyHasItsId();
    void lookupIgnoresCaseAndRejectsUnknownKeys_data();
    void lookupIgnoresCaseAndRejectsUnknownKeys();
    void englishTextsAreDistinctWhereExpected();
    void textsHoldNoTabOrLineFeed();
    void initIsRepeatable();
    void idOutOfRangeGivesEmptyText();
    void resourcesRegisteredAtLoad();
    void resourceStorage_data();
    void resourceStorage();
    void translationsOfEveryLanguage_data();
    void translationsOfEveryLanguage();
};

void StrTableTest::initTestCase()
{
    QCOMPARE(int(sizeof(kKeys) / sizeof(kKeys[0])), StrTable::kStrCount);
    StrTable::InitStrTable();
}

void StrTableTest::everyKeyHasItsId()
{
    for (int id = 0; id < StrTable::kStrCount; ++id)
        QCOMPARE(StrTable::LookupStrID(QString::fromLatin1(kKeys[id])), id);
}

void StrTableTest::lookupIgnoresCaseAndRejectsUnknownKeys_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("id");
    QTest::newRow("last key") << "err_version_server_larkspan_drive" << 1059;
    QTest::newRow("mixed case") << "App_Name_Drive" << 637;
    QTest::newRow("stored in capitals") << "nsis_not_admin_confirm" << 297;
    QTest::newRow("prefix of a key") << "app_name_drive_clien" << -1;
    QTest::newRow("trailing space") << "app_name " << -1;
    QTest::newRow("non-ASCII") << QString::fromUtf8("tr\u00e4y_delete") << -1;
}

void StrTableTest::lookupIgnoresCaseAndRejectsUnknownKeys()
{
    QFETCH(QString, key);
    QFETCH(int, id);
    QCOMPARE(StrTable::LookupStrID(key), id);
}

void StrTableTest::englishTextsAreDistinctWhereExpected()
{
    QCOMPARE(englishTexts().size(), kDistinctTexts);
    QCOMPARE(StrTable::LoadStr(572), QString("Drive"));
    QCOMPARE(StrTable::LoadStr(637), QString("Drive"));
    for (int id : {5, 54, 301, 707})
        QCOMPARE(StrTable::LoadStr(id), QString("Error"));
}

void StrTableTest::textsHoldNoTabOrLineFeed()
{
    for (int id = 0; id < StrTable::kStrCount; ++id) {
        const QString text = StrTable::LoadStr(id);
        QVERIFY2(!text.isEmpty(), qPrintable(QString::number(id)));
        QVERIFY2(!text.contains('\t') && !text.contains('\n'), qPrintable(text));
    }
}

void StrTableTest::initIsRepeatable()
{
    StrTable::InitStrTable();
    QCOMPARE(StrTable::LoadStr(879), QString("Velmora Drive Client"));
    QCOMPARE(StrTable::LookupStrID("tray_delete"), 0);
    QCOMPARE(englishTexts().size(), kDistinctTexts);
}

void StrTableTest::idOutOfRangeGivesEmptyText()
{
    QVERIFY(StrTable::LoadStr(-1).isEmpty());
    QVERIFY(StrTable::LoadStr(StrTable::kStrCount).isEmpty());
}

void StrTableTest::resourcesRegisteredAtLoad()
{
    QVERIFY(QFile::exists(":/tha.qm"));
    QCOMPARE(qCleanupResources_texts(), 1);
    QVERIFY(!QFile::exists(":/tha.qm"));
    QCOMPARE(qInitResources_texts(), 1);
    QVERIFY(QFile::exists(":/tha.qm"));
}

void StrTableTest::resourceStorage_data()
{
    QTest::addColumn<QString>("code");
    for (const char* code : kLanguages)
        QTest::newRow(code) << QString::fromLatin1(code);
}

void StrTableTest::resourceStorage()
{
    QFETCH(QString, code);
    const QResource resource(":/" + code + ".qm");
    QVERIFY(resource.isValid());
    const bool eastAsian = QStringList({"chs", "cht", "jpn", "krn"}).contains(code);
    QCOMPARE(resource.compressionAlgorithm(), eastAsian ? QResource::NoCompression : QResource::ZlibCompression);

    QFile file(":/" + code + ".qm");
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(qmMessageCount(file.readAll()), kDistinctTexts);
}

void StrTableTest::translationsOfEveryLanguage_data()
{
    resourceStorage_data();
}

void StrTableTest::translationsOfEveryLanguage()
{
    QFETCH(QString, code);
    QTranslator translator;
    QVERIFY(translator.load(":/" + code + ".qm"));
    for (const QString& text : englishTexts()) {
        const QByteArray source = text.toUtf8();
        QVERIFY2(!translator.translate("global", source.constData()).isEmpty(), source.constData());
    }

    QVERIFY(QCoreApplication::installTranslator(&translator));
    const QString ready = StrTable::LoadStr(532);
    const QString initializing = StrTable::LoadStr(549);
    const QString client = StrTable::LoadStr(879);
    QCoreApplication::removeTranslator(&translator);

    QVERIFY(ready.contains("%1"));
    QVERIFY(initializing.contains("%1"));
    QVERIFY(client.contains("Velmora Drive"));
    if (code != "enu") {
        QVERIFY(ready != "%1 is ready.");
        QVERIFY(initializing != "%1 is initializing...");
    }
}

QTEST_GUILESS_MAIN(StrTableTest)
#include "strtable_test.moc"
