#The composer window, driven through its controls with a fake platform.
mindloom_add_test(form1 SOURCES window_tst_form1.cpp window_fixture.h LIBS scene_ui test_support)
    mindloom_add_test(
        form1_mouse SOURCES window_tst_form1_mouse.cpp window_fixture.h LIBS scene_ui test_support)
