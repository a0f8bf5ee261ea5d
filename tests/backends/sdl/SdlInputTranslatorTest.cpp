#include "backends/sdl/SdlInputTranslator.h"

#include <SDL.h>
#include <gtest/gtest.h>

TEST(SdlInputTranslatorTest, InputThatCanEndTheSaverIsTranslated) {
    SDL_Event event{};
    event.type = SDL_MOUSEMOTION;
    event.motion.windowID = 7;
    event.motion.x = 640;
    event.motion.y = 480;
    auto input = Sdl::SdlInputTranslator::translate(event);
    ASSERT_TRUE(input);
    EXPECT_EQ(input->kind, Scene::InputEvent::Kind::MouseMove);
    EXPECT_EQ(input->windowId, 7u);
    EXPECT_EQ(input->x, 640);
    EXPECT_EQ(input->y, 480);

    event = SDL_Event{};
    event.type = SDL_KEYDOWN;
    event.key.keysym.sym = SDLK_ESCAPE;
    input = Sdl::SdlInputTranslator::translate(event);
    ASSERT_TRUE(input);
    EXPECT_EQ(input->kind, Scene::InputEvent::Kind::KeyDown);
    EXPECT_EQ(input->key, Scene::InputEvent::escapeKey);

    event = SDL_Event{};
    event.type = SDL_WINDOWEVENT;
    event.window.event = SDL_WINDOWEVENT_FOCUS_LOST;
    event.window.windowID = 3;
    input = Sdl::SdlInputTranslator::translate(event);
    ASSERT_TRUE(input);
    EXPECT_EQ(input->kind, Scene::InputEvent::Kind::FocusLost);
    EXPECT_EQ(input->windowId, 3u);

    event.window.event = SDL_WINDOWEVENT_CLOSE;
    EXPECT_EQ(Sdl::SdlInputTranslator::translate(event)->kind,
              Scene::InputEvent::Kind::CloseRequest);

    event = SDL_Event{};
    event.type = SDL_QUIT;
    EXPECT_EQ(Sdl::SdlInputTranslator::translate(event)->kind,
              Scene::InputEvent::Kind::CloseRequest);
}

TEST(SdlInputTranslatorTest, OnlyTheThreeClassicButtonsAreNamed) {
    const std::pair<uint8_t, Scene::InputEvent::Button> buttons[] = {
        {SDL_BUTTON_LEFT, Scene::InputEvent::Button::Left},
        {SDL_BUTTON_RIGHT, Scene::InputEvent::Button::Right},
        {SDL_BUTTON_MIDDLE, Scene::InputEvent::Button::Middle},
        {SDL_BUTTON_X1, Scene::InputEvent::Button::Other},
    };
    for (const auto& [sdlButton, button] : buttons) {
        SDL_Event event{};
        event.type = SDL_MOUSEBUTTONDOWN;
        event.button.button = sdlButton;
        EXPECT_EQ(Sdl::SdlInputTranslator::translate(event)->button, button);
    }
}

TEST(SdlInputTranslatorTest, OtherEventsGiveNothing) {
    for (const uint32_t type : {SDL_KEYUP, SDL_MOUSEBUTTONUP, SDL_MOUSEWHEEL, SDL_TEXTINPUT}) {
        SDL_Event event{};
        event.type = type;
        EXPECT_FALSE(Sdl::SdlInputTranslator::translate(event)) << "type " << type;
    }
    SDL_Event gained{};
    gained.type = SDL_WINDOWEVENT;
    gained.window.event = SDL_WINDOWEVENT_FOCUS_GAINED;
    EXPECT_FALSE(Sdl::SdlInputTranslator::translate(gained));
}
